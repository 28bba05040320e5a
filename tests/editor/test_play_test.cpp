#include <QTest>

#include <functional>

#include "editor_fixture.h"
#include "level/cell_codes.h"
#include "level/level_file.h"
#include "level/texts.h"

namespace dwaalbos::testing {
namespace {

class TestPlay : public EditorTest {
 protected:
  void drawSomething() {
    QTest::keyClick(&editor->Vak(), Qt::Key_5);
    QTest::keyClick(&editor->Vak(), Qt::Key_Right);
    editor->cursorPass();
    QTest::keyClick(&editor->Vak(), Qt::Key_6);
    setTexts("Proef", "Ans", "regel een\nregel twee");
  }
};

TEST_F(TestPlay, TestCommandHandsTheLevelToThePlayWindowOnce) {
  drawSomething();
  editor->onTest();

  EXPECT_FALSE(editor->isEnabled());
  // While the test play holds the input, the window manager cannot close the editor.
  answerNextBox(boxes, QMessageBox::No);
  editor->close();
  EXPECT_TRUE(editor->isVisible());
  EXPECT_TRUE(boxes.empty());
  EXPECT_FALSE(editor->cursorLoopRunning());
  EXPECT_EQ(navigator.calls, std::vector<std::string>{"test " + state.paths.testLevel()});
  EXPECT_EQ(fileBytes(state.paths.testLevel()), encodeLevel(editor->level()));
  EXPECT_EQ(editor->level().Commentaar, "regel een\r\nregel twee");
}

TEST_F(TestPlay, ComingBackShowsExactlyTheTestedLevelWithItsTexts) {
  drawSomething();
  editor->onTest();
  QTest::keyPress(&editor->Vak(), Qt::Key_Right);  // the step onto the end square
  navigator.testBack(false);
  editor->cursorPass();
  QTest::keyRelease(&editor->Vak(), Qt::Key_Right);
  EXPECT_EQ(editor->Vak().cursor(), QPoint(40, 0));
  EXPECT_EQ(editor->veld().at(2, 1), cell::kEnd);
  EXPECT_EQ(editor->makerBox().text(), "Ans");
  EXPECT_EQ(editor->commentBox().toPlainText(), "regel een\nregel twee");
  EXPECT_TRUE(editor->unsavedChanges());
  EXPECT_FALSE(fileExists(state.paths.testLevel()));  // the test is over: its file goes
  ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
  EXPECT_TRUE(editor->cursorLoopRunning());
  // Undo goes on back into the changes made before the test: the comment, then the end.
  editor->undo();
  editor->undo();
  EXPECT_EQ(editor->veld().at(2, 1), cell::kEmpty);
  EXPECT_EQ(editor->veld().at(1, 1), cell::kStart);
}

// "gehaald" belongs to the tested level: another level in the editor drops it.
TEST_F(TestPlay, TheCompletedMarkGoesWithTheTestedLevel) {
  const std::string gehaald = std::string(texts::kEditorTitel) + texts::kTestGehaald;
  ASSERT_TRUE(writeLevelFile(folder.path("ander.dwb"), Doolhof{}));
  const std::vector<std::function<void()>> otherLevel = {
      [&] {
        answerNextBox(boxes, QMessageBox::Yes);
        editor->onNew();
      },
      [&] { editor->openen(folder.path("ander.dwb")); }, [&] { editor->activate(); }};
  for (const auto& change : otherLevel) {
    drawSomething();
    editor->onTest();
    navigator.testBack(true);
    EXPECT_EQ(editor->windowTitle().toStdString(), gehaald);
    change();
    EXPECT_EQ(editor->windowTitle().toStdString(), texts::kEditorTitel);
  }
}

}  // namespace
}  // namespace dwaalbos::testing
