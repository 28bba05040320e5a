#include "platform/plain_text.h"

#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

// A level named with the toolkit's "modified" mark keeps it in the title bar.
TEST(PlainText, AWindowTitleShowsTheModifiedMarkAsWritten) {
  const QString written = QStringLiteral("Dwaalbos 6.0: a [*] b [*][*] door <b>c</b>");
  QWidget window;
  window.setWindowTitle(dwaalbos::plainTitle(written));
  window.show();
  ASSERT_TRUE(window.windowHandle());
  EXPECT_EQ(window.windowHandle()->title(), written);
}
