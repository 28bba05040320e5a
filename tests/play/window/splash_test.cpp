// The level's introduction screen: its texts, and how it hands over to the game.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>

#include "play_window_rig.h"
#include "play/window/splash.h"

using namespace dwaalbos;

namespace {

class SplashScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    rig.writeOptions(rig::kAllOff);
    rig.chooseFile(rig::levelFromRows({"S.."}, "", "Zoë", ""));
    rig.shown().engine().begi();
    splash = rig::visibleSplash();
    ASSERT_NE(splash, nullptr);
  }
  rig::PlayWindowRig rig;
  rig::Script script;
  Splash* splash = nullptr;
};

}  // namespace

TEST_F(SplashScreen, ShowsTheLevelsTextsWithTheirDefaults) {
  EXPECT_EQ(splash->Naam->text(), "Geennaam");
  EXPECT_EQ(splash->Label1->text(), "Gemaakt door Zoë");
  EXPECT_EQ(splash->Commentaar->toPlainText(), "Geen commentaar");
  EXPECT_FALSE(rig.window().isEnabled());
  EXPECT_FALSE(rig.window().engine().gameRunning());
  splash->hide();
}

TEST_F(SplashScreen, AKeyLetGoStartsTheLevelWithoutWalkingThePlayer) {
  bool running = false;
  bool enabled = false;
  script.then([&] {
    running = rig.window().engine().gameRunning();
    enabled = rig.window().isEnabled();
    return true;
  });
  QTest::keyClick(splash->Commentaar, Qt::Key_Right);
  rig::runUntilDone(script, rig.window());
  EXPECT_TRUE(running);
  EXPECT_TRUE(enabled);
  EXPECT_FALSE(splash->isVisible());
  EXPECT_EQ(rig.col(), 1);
}

// A click anywhere, or closing the screen by the window manager, starts the level.
TEST_F(SplashScreen, AClickOrClosingStartsTheLevel) {
  for (bool byClosing : {false, true}) {
    SCOPED_TRACE(byClosing);
    if (byClosing) {
      rig.window().engine().begi();
      ASSERT_EQ(rig::visibleSplash(), splash);
    }
    bool running = false;
    script.then([&] {
      running = rig.window().engine().gameRunning() && rig.window().isEnabled();
      return true;
    });
    if (byClosing) splash->close();
    else QTest::mouseClick(splash, Qt::LeftButton, {}, {5, 5});
    rig::runUntilDone(script, rig.window());
    EXPECT_TRUE(running);
    EXPECT_FALSE(splash->isVisible());
  }
}
