#include <QTest>

#include "editor/legend_picture.h"

#include "editor_fixture.h"
#include "level/cell_codes.h"
#include "platform/key_state.h"

namespace dwaalbos::testing {
namespace {

class EditorKeys : public EditorTest {
 protected:
  void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&editor->Vak(), static_cast<Qt::Key>(key), modifiers);
  }
  // Arrow keys are read by the cursor loop, one pass at a time.
  void arrow(Qt::Key key, int passes = 1) {
    for (int i = 0; i < passes; ++i) {
      QTest::keyClick(&editor->Vak(), key);
      editor->cursorPass();
    }
  }
  std::int16_t cellUnderCursor() const {
    return state.Veld.at(editor->Vak().column(), editor->Vak().row());
  }
};

// Object keys place under the cursor, which stays on the board.
TEST_F(EditorKeys, ObjectKeysPlaceUnderTheCursor) {
  arrow(Qt::Key_Left);
  arrow(Qt::Key_Up);
  EXPECT_EQ(editor->Vak().cursor(), QPoint(0, 0));
  arrow(Qt::Key_Right, 2);
  arrow(Qt::Key_Down, 3);
  press(Qt::Key_8);
  EXPECT_EQ(state.Veld.at(3, 4), cell::kKeyBlock);
  press(Qt::Key_F5);
  EXPECT_EQ(state.Veld.at(3, 4), cell::kArrowRight);
  press(Qt::Key_Delete);
  EXPECT_EQ(state.Veld.at(3, 4), cell::kEmpty);
  answerNextBox(boxes);
  press(Qt::Key_F1);  // only tells that the object is not ready
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(cellUnderCursor(), cell::kEmpty);
  arrow(Qt::Key_Right, 15);
  arrow(Qt::Key_Down, 15);
  EXPECT_EQ(editor->Vak().cursor(), QPoint(440, 440));
}

TEST_F(EditorKeys, SecondStartIsRefusedWithItsMessage) {
  press(Qt::Key_5);
  arrow(Qt::Key_Right);
  press(Qt::Key_6);
  press(Qt::Key_6);  // end squares may repeat
  answerNextBox(boxes);
  press(Qt::Key_5);
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(state.Veld.at(2, 1), cell::kEnd);
  // Covering the start with a wall frees it.
  arrow(Qt::Key_Left);
  press(Qt::Key_1);
  arrow(Qt::Key_Down);
  press(Qt::Key_5);
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(state.Veld.at(1, 2), cell::kStart);
}

TEST_F(EditorKeys, AHeldArrowWalksTheCursorOnByItself) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
  EXPECT_TRUE(editor->cursorLoopRunning());
  KeyState::instance().changeHands();
  QTest::keyPress(&editor->Vak(), Qt::Key_Right);
  // A held arrow walks on by itself, one cell per pass of the loop.
  EXPECT_TRUE(QTest::qWaitFor([this] { return editor->Vak().cursor().x() >= 80; }, 5000));
  QTest::keyRelease(&editor->Vak(), Qt::Key_Right);
}

// A click before any object was chosen only gives the board the keyboard; once one is chosen,
// by its picture or its key, clicks place it.
TEST_F(EditorKeys, ClicksPlaceTheChosenObjectAndRightClicksClearWithoutMovingTheCursor) {
  const auto click = [this](int col, int row, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(&editor->Vak(), button, {}, QPoint(col * 40 - 20, row * 40 - 20));
  };
  click(3, 2);
  EXPECT_EQ(state.Veld.at(3, 2), cell::kEmpty);
  press(Qt::Key_7);
  click(4, 4);
  EXPECT_EQ(state.Veld.at(4, 4), cell::kKey);
  const auto legend = editor->findChildren<LegendPicture*>();
  const auto arrowUp = std::find_if(legend.begin(), legend.end(),
                                    [](auto* picture) { return picture->code() == cell::kArrowUp; });
  ASSERT_NE(arrowUp, legend.end());
  QTest::mouseClick(*arrowUp, Qt::LeftButton);
  click(12, 12);
  EXPECT_EQ(state.Veld.at(12, 12), cell::kArrowUp);
  click(4, 4, Qt::RightButton);
  EXPECT_EQ(state.Veld.at(4, 4), cell::kEmpty);
  EXPECT_EQ(editor->Vak().cursor(), QPoint(0, 0));
  editor->activate();  // a new session from the menu: nothing chosen yet
  click(3, 2);
  EXPECT_EQ(state.Veld.at(3, 2), cell::kEmpty);
}

// Unsaved changes are asked about before "Nieuw" drops them; "Nieuw" keeps the cursor.
TEST_F(EditorKeys, NewAsksBeforeLosingChangesAndKeepsTheCursor) {
  editor->Mnunew_Click();
  EXPECT_TRUE(boxes.empty());
  arrow(Qt::Key_Right, 4);
  press(Qt::Key_9);
  setTexts("Naam", "Maker", "Iets");
  answerNextBox(boxes, QMessageBox::No);
  editor->Mnunew_Click();
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(state.Veld.at(5, 1), cell::kPushBlock);

  answerNextBox(boxes, QMessageBox::Yes);
  editor->Mnunew_Click();
  EXPECT_EQ(state.Veld.at(5, 1), cell::kEmpty);
  EXPECT_TRUE(editor->Naam().text().isEmpty());
  EXPECT_TRUE(editor->Commentaar().toPlainText().isEmpty());
  EXPECT_EQ(editor->Vak().cursor(), QPoint(160, 0));
  EXPECT_FALSE(editor->unsavedChanges());
}

TEST_F(EditorKeys, ClosingAsksAndOnlyYesGoesBackToTheMenu) {
  answerNextBox(boxes, QMessageBox::No);
  editor->close();
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(editor->isVisible());
  EXPECT_TRUE(navigator.calls.empty());

  press(Qt::Key_1);
  answerNextBox(boxes, QMessageBox::Yes);
  editor->close();
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(navigator.calls, std::vector<std::string>{"menu"});

  editor->activate();  // from the menu again: an empty level
  EXPECT_EQ(state.Veld.at(1, 1), cell::kEmpty);
}

}  // namespace
}  // namespace dwaalbos::testing
