#include "frontend/menu.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include "level/progress.h"
#include "level/shared_state.h"
#include "platform/key_state.h"
#include "support/game_pictures.h"
#include "support/temp_folder.h"
#include "support/window_fakes.h"

namespace dwaalbos::testing {
namespace {

constexpr int kKlik = 9;
const QPoint kButton2(200, 160);
const QPoint kButton3(180, 205);

class MenuTest : public ::testing::Test {
 protected:
  MenuTest()
      : state(folder.root().string()),
        menu(state, sound, navigator, desktop, testsupport::gamePictures()) {
    std::filesystem::create_directories(folder.path("geluid"));
    KeyState::instance().changeHands();
    menu.show();
  }

  void frames(int count) {
    for (int i = 0; i < count; ++i) menu.frame();
  }
  // Frames until the menu acts on a choice (it hides itself or ends the program).
  void framesUntilChosen() {
    for (int i = 0; i < 8 && navigator.calls.empty(); ++i) menu.frame();
  }
  void moveTo(QPoint at) {
    QMouseEvent event(QEvent::MouseMove, at, menu.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&menu, &event);
  }
  void click(QPoint at, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mouseClick(&menu, button, modifiers, at);
  }
  // The typed part: the rest is laid out already, in the background's colour.
  QString description() const { return menu.findChild<QLabel*>()->text().section("<span", 0, 0); }
  void setFirstSetProgress(std::int16_t p1) {
    ASSERT_TRUE(
        writeWholeFile(state.paths.progress(), Bytes{static_cast<std::uint8_t>(p1), 0, 1, 0}));
  }

  TempFolder folder;
  SharedState state;
  RecordingSound sound;
  RecordingNavigator navigator;
  RecordingDesktop desktop;
  std::vector<SeenBox> boxes;
  Menu menu;
};

TEST_F(MenuTest, TypedLettersStayWhereTheyAreWhileTheRestIsTyped) {
  frames(4 * 30);
  const auto descriptionPicture = [&] { return menu.findChild<QLabel*>()->grab().toImage(); };
  const QImage early = descriptionPicture();
  frames(4 * 40);
  const QImage later = descriptionPicture();
  ASSERT_EQ(early.size(), later.size());
  int lit = 0;
  for (int y = 0; y < early.height(); ++y)
    for (int x = 0; x < early.width(); ++x) {
      if (qGray(early.pixel(x, y)) < 64) continue;
      ++lit;
      ASSERT_EQ(early.pixel(x, y), later.pixel(x, y)) << x << "," << y;
    }
  EXPECT_GT(lit, 100);
}

TEST_F(MenuTest, HeldDownKeyStepsEveryFourthFrameAndBothWaysWrap) {
  QTest::keyPress(&menu, Qt::Key_Down);
  frames(12);
  QTest::keyRelease(&menu, Qt::Key_Down);
  EXPECT_EQ(menu.keuze(), 1);  // 1 -> 2 -> 3 -> 1
  EXPECT_EQ(sound.played, (std::vector<int>{kKlik, kKlik, kKlik}));
  QTest::keyClick(&menu, Qt::Key_Up);
  frames(4);
  EXPECT_EQ(menu.keuze(), 3);
}

TEST_F(MenuTest, AnimationStopsWhileHiddenOrMinimizedEnterOpensThePlayWindowAndClosingEnds) {
  menu.showMinimized();
  EXPECT_FALSE(menu.animating());
  menu.showNormal();
  EXPECT_TRUE(menu.animating());
  QTest::keyClick(&menu, Qt::Key_Return);
  framesUntilChosen();
  EXPECT_EQ(navigator.calls, std::vector<std::string>{"play"});
  EXPECT_FALSE(menu.isVisible());
  EXPECT_FALSE(menu.animating());
  menu.show();
  menu.close();
  EXPECT_EQ(navigator.calls, (std::vector<std::string>{"play", "quit"}));
  EXPECT_FALSE(menu.animating());
}

TEST_F(MenuTest, MouseHighlightsWithOneClickSoundPerChange) {
  moveTo(kButton2);
  moveTo(kButton2 + QPoint(30, 2));
  EXPECT_EQ(menu.keuze(), 2);
  EXPECT_EQ(sound.played, std::vector<int>{kKlik});
  EXPECT_EQ(menu.cursor().shape(), Qt::BitmapCursor);
  moveTo(QPoint(420, 20));
  EXPECT_EQ(menu.cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(menu.keuze(), 2);
}

// Without a page opener the menu says where the page is and goes on.
TEST_F(MenuTest, HelpOpensTheHelpPageAndEndsTheProgramOrSaysWhereThePageIs) {
  desktop.documentsOpen = false;
  answerNextBox(boxes);
  click(kButton3);
  framesUntilChosen();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find(state.paths.helpPage()), std::string::npos);
  EXPECT_TRUE(navigator.calls.empty());
  EXPECT_TRUE(menu.animating());
  desktop.documentsOpen = true;
  click(kButton3);
  framesUntilChosen();
  EXPECT_EQ(desktop.opened, std::vector<std::string>(2, state.paths.helpPage()));
  EXPECT_EQ(navigator.calls, std::vector<std::string>{"quit"});
}

// Shift alone with the right button on the help button, once the first set is done; any other
// press there chooses help.
TEST_F(MenuTest, ShiftRightClickAfterTheFirstSetStartsTheBonusProgramOrSaysWhyNot) {
  setFirstSetProgress(23);
  answerNextBox(boxes, QMessageBox::Ok, 3);
  click(kButton3, Qt::RightButton, Qt::ShiftModifier);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            "Als er zometeen om een wachtwoord wordt gevraagd moet je 'Pelikaan7' intypen'");
  EXPECT_EQ(desktop.started, std::vector<std::string>{state.paths.bonusProgram()});

  desktop.programStarts = false;
  click(kButton3, Qt::RightButton, Qt::ShiftModifier);
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_NE(boxes[2].text.find("irunin.bin"), std::string::npos);
  frames(8);
  EXPECT_TRUE(navigator.calls.empty());
  EXPECT_TRUE(menu.animating());

  click(kButton3, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
  click(kButton3, Qt::LeftButton, Qt::ShiftModifier);
  setFirstSetProgress(22);
  click(kButton3, Qt::RightButton, Qt::ShiftModifier);
  std::filesystem::remove(state.paths.progress());
  click(kButton3, Qt::RightButton, Qt::ShiftModifier);
  EXPECT_FALSE(fileExists(state.paths.progress()));  // reading it made no file
  EXPECT_EQ(desktop.started.size(), 2u);
}

// Showing starts afresh: the play button lit with its full description.
TEST_F(MenuTest, DescriptionIsTypedOneLetterEveryFourFramesAndBackFromTheEditorShownInFull) {
  QTest::keyClick(&menu, Qt::Key_Down);
  frames(4);  // the key is read in one of these and restarts the typing
  ASSERT_EQ(menu.keuze(), 2);
  frames(4 * 5);
  EXPECT_EQ(description(), "Maak ");
  frames(4 * 200);
  EXPECT_EQ(description(), "Maak een Dwaalbos level en speel hem met de eerste optie");
  click(kButton2);
  framesUntilChosen();
  EXPECT_EQ(navigator.calls, std::vector<std::string>{"editor"});
  ASSERT_FALSE(menu.isVisible());

  menu.show();
  EXPECT_EQ(menu.keuze(), 1);
  frames(4);
  EXPECT_EQ(description(), "Speel een Dwaalbos level af door het openen van een bestand");
}

}  // namespace
}  // namespace dwaalbos::testing
