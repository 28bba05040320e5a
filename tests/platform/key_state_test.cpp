#include "platform/key_state.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

using dwaalbos::KeyState;

// Without a live keyboard (the offscreen platform) the state follows the key events alone; the
// real keyboard path has tests of its own on an X server.
class KeyStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    widget.show();
    keys.changeHands();
  }
  QWidget widget;
  KeyState& keys = KeyState::instance();
};

// An auto-repeated press is no new press.
TEST_F(KeyStateTest, ATapCountsOnceAndAHeldKeyUntilItIsReleased) {
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(&widget, &repeat);
  EXPECT_FALSE(keys.takePress(Qt::Key_Down));
  QTest::keyClick(&widget, Qt::Key_Left);
  EXPECT_TRUE(keys.query(Qt::Key_Left));
  EXPECT_FALSE(keys.query(Qt::Key_Left));
  EXPECT_FALSE(keys.query(Qt::Key_Right));

  QTest::keyPress(&widget, Qt::Key_Up);
  EXPECT_TRUE(keys.query(Qt::Key_Up));
  EXPECT_TRUE(keys.query(Qt::Key_Up));
  EXPECT_TRUE(keys.anyDown());
  QTest::keyRelease(&widget, Qt::Key_Up);
  EXPECT_FALSE(keys.query(Qt::Key_Up));
  EXPECT_FALSE(keys.anyDown());
}

// The menu asks every frame, and asks the display only after a press: a tap between two frames
// still counts once, a held key keeps counting, and one held over from a change of hands does not.
TEST_F(KeyStateTest, AskingOnlyAfterAPressMissesNoTapAndNoHeldKey) {
  EXPECT_FALSE(keys.queryIfPressed(Qt::Key_Down));
  QTest::keyClick(&widget, Qt::Key_Down);
  EXPECT_TRUE(keys.queryIfPressed(Qt::Key_Down));
  EXPECT_FALSE(keys.queryIfPressed(Qt::Key_Down));
  QTest::keyPress(&widget, Qt::Key_Up);
  EXPECT_TRUE(keys.queryIfPressed(Qt::Key_Up));
  EXPECT_TRUE(keys.queryIfPressed(Qt::Key_Up));
  keys.changeHands();
  EXPECT_FALSE(keys.queryIfPressed(Qt::Key_Up));
  QTest::keyRelease(&widget, Qt::Key_Up);
}

TEST_F(KeyStateTest, AFlushForgetsPressesButAHeldKeyKeepsWalking) {
  QTest::keyClick(&widget, Qt::Key_Space);
  QTest::keyPress(&widget, Qt::Key_Right);
  keys.flush();
  EXPECT_FALSE(keys.query(Qt::Key_Space));
  EXPECT_TRUE(keys.query(Qt::Key_Right));
  QTest::keyRelease(&widget, Qt::Key_Right);
}

TEST_F(KeyStateTest, AKeyHeldAtAChangeOfHandsCountsOnlyAfterItIsPressedAgain) {
  QTest::keyPress(&widget, Qt::Key_Return);
  keys.changeHands();
  EXPECT_FALSE(keys.query(Qt::Key_Return));
  EXPECT_FALSE(keys.anyDown());
  QTest::keyRelease(&widget, Qt::Key_Return);
  QTest::keyPress(&widget, Qt::Key_Return);
  EXPECT_TRUE(keys.query(Qt::Key_Return));
  QTest::keyRelease(&widget, Qt::Key_Return);
}

TEST_F(KeyStateTest, ClosingAModalBoxChangesHands) {
  QWidget box;
  box.setWindowModality(Qt::ApplicationModal);
  box.show();
  QTest::keyPress(&box, Qt::Key_Return);
  box.hide();
  EXPECT_FALSE(keys.query(Qt::Key_Return));
  QTest::keyRelease(&widget, Qt::Key_Return);
}
