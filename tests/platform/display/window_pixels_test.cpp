#include "platform/window_pixels.h"

#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace dwaalbos {
namespace {

const QPoint kAt(10, 20);

// A window that paints a picture at kAt, with a black child over part of it.
class PictureWindow : public QWidget {
 public:
  PictureWindow() : picture(120, 80, QImage::Format_RGB32), child(new QWidget(this)) {
    picture.fill(qRgb(30, 60, 90));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(200, 150);
    child->setGeometry(kAt.x() + 100, kAt.y(), 20, 20);
    child->setStyleSheet("background: black");
  }
  QImage picture;
  QWidget* child;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(kAt, picture);
  }
};

// What the X server shows, read back from it.
QImage onServer(const QWidget& window) {
  return window.screen()
      ->grabWindow(window.winId())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

// Changed pixels reach the display without a paint event; the child's part stays as it is.
TEST(ShowPixelsAtOnce, ChangedPixelsReachTheDisplayAndAChildsPartStays) {
  PictureWindow window;
  window.show();
  // The window manager may take seconds to show it on a loaded machine.
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, 30000));
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return onServer(window).pixel(kAt + QPoint(1, 1)) == qRgb(30, 60, 90); }, 30000));

  const std::vector<QRect> blocks{{5, 6, 1, 1}, {40, 30, 3, 2}, {105, 5, 1, 1}, {119, 79, 4, 4}};
  for (const QRect& block : blocks)
    for (int y = block.top(); y <= block.bottom(); ++y)
      for (int x = block.left(); x <= block.right(); ++x)
        if (window.picture.rect().contains(x, y)) window.picture.setPixel(x, y, qRgb(250, 200, 0));
  ASSERT_TRUE(showPixelsAtOnce(window, window.picture, kAt, blocks, window.child->geometry()));

  const QImage shown = onServer(window);
  EXPECT_EQ(shown.pixel(kAt + QPoint(5, 6)), qRgb(250, 200, 0));
  EXPECT_EQ(shown.pixel(kAt + QPoint(42, 31)), qRgb(250, 200, 0));
  EXPECT_EQ(shown.pixel(kAt + QPoint(119, 79)), qRgb(250, 200, 0));
  EXPECT_EQ(shown.pixel(kAt + QPoint(43, 31)), qRgb(30, 60, 90));
  EXPECT_EQ(shown.pixel(kAt + QPoint(105, 5)), qRgb(0, 0, 0));         // under the child
  EXPECT_EQ(shown.pixel(kAt + QPoint(120, 79)), qRgb(255, 255, 255));  // past the picture

  // A hidden window shows nothing: the caller paints when it is shown again.
  window.hide();
  EXPECT_FALSE(showPixelsAtOnce(window, window.picture, kAt, blocks, {}));
}

}  // namespace
}  // namespace dwaalbos
