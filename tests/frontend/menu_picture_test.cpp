#include "frontend/menu_picture.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <random>

#include "frontend/starfield.h"

namespace dwaalbos {
namespace {

constexpr QSize kMenu{440, 300};

// A title of sorts: an opaque bar and a half-transparent one over the dots.
QImage titleAndButtons(QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.scale(size.width(), size.height());
  painter.fillRect(QRectF(0.1, 0.2, 0.8, 0.1), QColor(40, 160, 60));
  painter.fillRect(QRectF(0.1, 0.5, 0.8, 0.1), QColor(230, 196, 120, 128));
  return image;
}

long light(const QImage& image) {
  long sum = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) sum += qGray(image.pixel(x, y));
  return sum;
}

class ShownAt : public ::testing::TestWithParam<int> {
 protected:
  QSize pixels() const { return kMenu * GetParam() / 100; }
  QImage sharp() const { return GetParam() > 100 ? titleAndButtons(pixels()) : QImage(); }
};

// Frame by frame, every pixel that changed is handed out to be shown, and the picture is the
// one drawn anew from the same dots.
TEST_P(ShownAt, HandsOutEveryChangedPixelAndEndsAsDrawnAnew) {
  MenuPicture picture(kMenu);
  picture.layout(titleAndButtons(kMenu), pixels(), sharp());
  picture.takeChanged();
  std::mt19937 random(3);
  Starfield sterren(kMenu.width(), kMenu.height());
  sterren.scatter(random);
  MenuPicture anew(kMenu);
  const auto paint = [&](int x, int y, int grey) {
    picture.paintDot(x, y, grey);
    anew.paintDot(x, y, grey);
  };
  for (int frame = 0; frame < 8; ++frame) {
    const QImage before = picture.shown().copy();
    sterren.drift(0.4F * static_cast<float>(frame), paint);
    const QRect changed = picture.takeChanged();
    for (int y = 0; y < before.height(); ++y)
      for (int x = 0; x < before.width(); ++x)
        if (picture.shown().pixel(x, y) != before.pixel(x, y)) {
          ASSERT_TRUE(changed.contains(QPoint(x, y))) << x << ", " << y;
        }
  }
  anew.layout(titleAndButtons(kMenu), pixels(), sharp());
  EXPECT_EQ(picture.shown(), anew.shown());
  // A dot behind the opaque bar shows nothing, so nothing is to be shown again.
  picture.paintDot(100, 70, 200);
  EXPECT_TRUE(picture.takeChanged().isEmpty());

  // Enlarged or reduced, the dots and the title keep their light.
  MenuPicture own = anew;
  own.layout(titleAndButtons(kMenu), kMenu, {});
  anew.layout(titleAndButtons(kMenu), pixels(), {});
  const double ratio = GetParam() * GetParam() / 10000.0;
  EXPECT_NEAR(static_cast<double>(light(anew.shown())) / ratio,
              static_cast<double>(light(own.shown())),
              0.01 * static_cast<double>(light(own.shown())));
}

INSTANTIATE_TEST_SUITE_P(Zoom, ShownAt, ::testing::Values(75, 100, 150, 200, 300));

}  // namespace
}  // namespace dwaalbos
