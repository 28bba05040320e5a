#include "platform/key_state.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

using dwaalbos::KeyState;

class KeyStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    widget.show();
    KeyState::instance().clear();
  }
  QWidget widget;
};

TEST_F(KeyStateTest, ATapCountsOnceAfterTheKeyIsReleased) {
  auto& keys = KeyState::instance();
  QTest::keyClick(&widget, Qt::Key_Left);
  EXPECT_TRUE(keys.query(Qt::Key_Left));
  EXPECT_FALSE(keys.query(Qt::Key_Left));
  EXPECT_FALSE(keys.query(Qt::Key_Right));
}

TEST_F(KeyStateTest, AHeldKeyAnswersEveryQueryUntilReleased) {
  auto& keys = KeyState::instance();
  QTest::keyPress(&widget, Qt::Key_Up);
  EXPECT_TRUE(keys.query(Qt::Key_Up));
  EXPECT_TRUE(keys.query(Qt::Key_Up));
  EXPECT_TRUE(keys.anyDown());
  QTest::keyRelease(&widget, Qt::Key_Up);
  EXPECT_FALSE(keys.query(Qt::Key_Up));
  EXPECT_FALSE(keys.anyDown());
}

TEST_F(KeyStateTest, ClearForgetsPressesNotYetQueried) {
  auto& keys = KeyState::instance();
  QTest::keyClick(&widget, Qt::Key_Space);
  keys.clear();
  EXPECT_FALSE(keys.query(Qt::Key_Space));
}
