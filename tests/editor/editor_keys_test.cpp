#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "editor/legend_picture.h"

#include "editor_fixture.h"
#include "level/cell_codes.h"
#include "support/test_levels.h"

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
  static QPoint centre(int col, int row) { return {col * 40 - 20, row * 40 - 20}; }
  void click(int col, int row, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(&editor->Vak(), button, {}, centre(col, row));
  }
  // Presses on the first cell, moves over the others with the button held, and lets go.
  void drag(std::initializer_list<QPoint> cells, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint first = *cells.begin();
    QTest::mousePress(&editor->Vak(), button, {}, centre(first.x(), first.y()));
    for (const QPoint& cell : cells) {
      const QPointF at = centre(cell.x(), cell.y());
      QMouseEvent move(QEvent::MouseMove, at, editor->Vak().mapToGlobal(at), Qt::NoButton, button,
                       {});
      QApplication::sendEvent(&editor->Vak(), &move);
    }
    const QPoint last = *std::prev(cells.end());
    QTest::mouseRelease(&editor->Vak(), button, {}, centre(last.x(), last.y()));
  }
  std::string row(int r) const { return symbolRow(editor->veld(), r); }
  void choose(int code) {
    const auto legend = editor->findChildren<LegendPicture*>();
    const auto found = std::find_if(legend.begin(), legend.end(),
                                    [code](auto* picture) { return picture->code() == code; });
    ASSERT_NE(found, legend.end());
    QTest::mouseClick(*found, Qt::LeftButton);
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
  EXPECT_EQ(editor->veld().at(3, 4), cell::kKeyBlock);
  answerNextBox(boxes);
  press(Qt::Key_F1);  // only tells that the object is not ready
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(editor->veld().at(3, 4), cell::kKeyBlock);
  arrow(Qt::Key_Right, 15);
  arrow(Qt::Key_Down, 15);
  EXPECT_EQ(editor->Vak().cursor(), QPoint(440, 440));
}

// A click before any object was chosen only gives the board the keyboard, and no picture is
// framed as chosen; once one is chosen, by its picture or its key, clicks place it. The cursor
// follows the clicks.
TEST_F(EditorKeys, ClicksPlaceTheChosenObjectAndRightClicksClear) {
  const auto framed = [this] {
    int count = 0;
    for (const auto* picture : editor->findChildren<LegendPicture*>()) count += picture->chosen();
    return count;
  };
  EXPECT_EQ(framed(), 0);
  click(3, 2);
  EXPECT_EQ(editor->veld().at(3, 2), cell::kEmpty);
  EXPECT_EQ(editor->Vak().cursor(), QPoint(80, 40));
  press(Qt::Key_7);
  click(4, 4);
  EXPECT_EQ(editor->veld().at(4, 4), cell::kKey);
  choose(cell::kArrowUp);
  click(12, 12);
  EXPECT_EQ(editor->veld().at(12, 12), cell::kArrowUp);
  EXPECT_EQ(framed(), 1);
  click(4, 4, Qt::RightButton);
  EXPECT_EQ(editor->veld().at(4, 4), cell::kEmpty);
  EXPECT_EQ(editor->Vak().cursor(), QPoint(120, 120));
  editor->activate();  // a new session from the menu: nothing chosen yet
  EXPECT_EQ(framed(), 0);
  click(3, 2);
  drag({{3, 3}, {6, 3}});
  EXPECT_EQ(row(2) + row(3), std::string(24, '.'));
}

// A drag fills every cell it passes, also those a fast mouse jumped over, and the right button
// empties them again; the cursor ends where the drag did.
TEST_F(EditorKeys, DragsPaintEveryCellPassed) {
  choose(cell::kWall);
  drag({{2, 5}, {3, 5}, {7, 5}, {7, 6}});
  EXPECT_EQ(row(5), ".######.....");
  EXPECT_EQ(row(6), "......#.....");
  EXPECT_EQ(editor->Vak().cursor(), QPoint(240, 200));
  drag({{4, 5}, {5, 5}}, Qt::RightButton);
  EXPECT_EQ(row(5), ".##..##.....");
}

// Start and end squares are placed once by a drag, on the cell it began on; end squares may
// repeat, but a second start is refused with one message, not one per cell, until a wall
// covers the first.
TEST_F(EditorKeys, ADragPlacesStartAndEndOnceAndASecondStartIsRefused) {
  choose(cell::kStart);
  drag({{1, 1}, {4, 1}});
  choose(cell::kEnd);
  drag({{1, 2}, {4, 2}});
  click(5, 2);
  answerNextBox(boxes);
  choose(cell::kStart);
  drag({{1, 3}, {4, 3}});
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(row(1) + row(2) + row(3),
            "S..........."
            "E...E......."
            "............");
  choose(cell::kWall);
  click(1, 1);
  choose(cell::kStart);
  click(1, 4);
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(editor->veld().at(1, 4), cell::kStart);
}

// Ctrl+Z and Ctrl+Y go back and forward over keys, drags and typing, wherever the keyboard is;
// a drag is one step, and typing on in one box is one step.
TEST_F(EditorKeys, UndoAndRedoOverKeysDragsAndTexts) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
  // Keys go where the keyboard is.
  const auto ctrl = [](Qt::Key key, QWidget* at) {
    at->setFocus();
    QTest::keyClick(at, key, Qt::ControlModifier);
  };
  const auto undo = [&](QWidget* at) { ctrl(Qt::Key_Z, at); };
  const auto redo = [&](QWidget* at) { ctrl(Qt::Key_Y, at); };
  press(Qt::Key_9);
  choose(cell::kWall);
  drag({{1, 3}, {12, 3}});
  editor->nameBox().setFocus();
  QTest::keyClicks(&editor->nameBox(), "Bos");
  editor->commentBox().setFocus();
  QTest::keyClicks(&editor->commentBox(), "Kort");

  undo(&editor->commentBox());
  EXPECT_TRUE(editor->commentBox().toPlainText().isEmpty());
  undo(&editor->commentBox());
  EXPECT_TRUE(editor->nameBox().text().isEmpty());
  EXPECT_EQ(editor->veld().at(12, 3), cell::kWall);
  undo(&editor->Vak());
  EXPECT_EQ(row(3), "............");
  EXPECT_EQ(editor->veld().at(1, 1), cell::kPushBlock);
  undo(&editor->Vak());
  EXPECT_EQ(editor->veld().at(1, 1), cell::kEmpty);
  undo(&editor->Vak());  // nothing before the first change

  redo(&editor->Vak());
  redo(&editor->nameBox());
  EXPECT_EQ(editor->veld().at(7, 3), cell::kWall);
  redo(&editor->Vak());
  EXPECT_EQ(editor->nameBox().text(), "Bos");
  // A new change drops what could be redone.
  click(5, 5);
  redo(&editor->Vak());
  EXPECT_TRUE(editor->commentBox().toPlainText().isEmpty());
  EXPECT_TRUE(editor->unsavedChanges());
}

// Saving keeps the history; "Nieuw" and opening a file begin a fresh one.
TEST_F(EditorKeys, SavingKeepsTheHistoryNewAndOpenBeginAFreshOne) {
  press(Qt::Key_1);
  dialogs.answer = folder.path("levels/a.dwb");
  editor->onSave();
  editor->undo();
  EXPECT_EQ(editor->veld().at(1, 1), cell::kEmpty);
  editor->redo();
  answerNextBox(boxes, QMessageBox::Yes);
  editor->onNew();
  editor->undo();
  EXPECT_EQ(editor->veld().at(1, 1), cell::kEmpty);
  press(Qt::Key_2);
  ASSERT_TRUE(editor->openen(folder.path("levels/a.dwb")));
  editor->undo();
  EXPECT_EQ(editor->veld().at(1, 1), cell::kWall);
}

// Unsaved changes are asked about before "Nieuw" drops them; "Nieuw" keeps the cursor.
TEST_F(EditorKeys, NewAsksBeforeLosingChangesAndKeepsTheCursor) {
  editor->onNew();
  EXPECT_TRUE(boxes.empty());
  arrow(Qt::Key_Right, 4);
  press(Qt::Key_9);
  setTexts("Naam", "Maker", "Iets");
  answerNextBox(boxes, QMessageBox::No);
  editor->onNew();
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(editor->veld().at(5, 1), cell::kPushBlock);

  answerNextBox(boxes, QMessageBox::Yes);
  editor->onNew();
  EXPECT_EQ(editor->veld().at(5, 1), cell::kEmpty);
  EXPECT_TRUE(editor->nameBox().text().isEmpty());
  EXPECT_TRUE(editor->commentBox().toPlainText().isEmpty());
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
  EXPECT_EQ(editor->veld().at(1, 1), cell::kEmpty);
}

}  // namespace
}  // namespace dwaalbos::testing
