#include "frontend/menu_picture.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>

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

Starfield scattered(unsigned seed) {
  std::mt19937 random(seed);
  Starfield sterren(kMenu.width(), kMenu.height());
  sterren.scatter(random);
  return sterren;
}

// The first pixel that changed from `before` to `after` without being handed out as changed,
// as "x, y"; empty when there is none.
std::string unlistedChange(const QImage& before, const QImage& after,
                           const std::function<bool(QPoint)>& listed) {
  for (int y = 0; y < before.height(); ++y)
    for (int x = 0; x < before.width(); ++x)
      if (after.pixel(x, y) != before.pixel(x, y) && !listed({x, y}))
        return std::to_string(x) + ", " + std::to_string(y);
  return "";
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
  void layOut(MenuPicture& picture) const {
    picture.layout(titleAndButtons(kMenu), pixels(), sharp());
    picture.takeChanged();
  }
};

// Frame by frame, every pixel that changed is handed out to be shown, and the picture is the
// one drawn anew from the same dots.
TEST_P(ShownAt, HandsOutEveryChangedPixelAndEndsAsDrawnAnew) {
  MenuPicture picture(kMenu);
  layOut(picture);
  Starfield sterren = scattered(3);
  MenuPicture anew(kMenu);
  const auto paint = [&](int x, int y, int grey) {
    picture.paintDot(x, y, grey);
    anew.paintDot(x, y, grey);
  };
  for (int frame = 0; frame < 8; ++frame) {
    const QImage before = picture.shown().copy();
    sterren.drift(0.4F * static_cast<float>(frame), paint);
    const QRect changed = picture.takeChanged();
    ASSERT_EQ(
        unlistedChange(before, picture.shown(), [&](QPoint p) { return changed.contains(p); }), "");
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

// Painted in one go, the dots give the picture they give one by one, and the listed blocks hold
// every pixel that changed.
TEST_P(ShownAt, ListsEveryChangedPixelOfDotsPaintedInOneGo) {
  MenuPicture batch(kMenu);
  MenuPicture single(kMenu);
  layOut(batch);
  layOut(single);
  Starfield sterren = scattered(5);
  std::vector<MenuPicture::Dot> dots;
  for (int frame = 0; frame < 6; ++frame) {
    dots.clear();
    sterren.drift(0.7F * static_cast<float>(frame), [&](int x, int y, int grey) {
      dots.push_back({x, y, grey});
    });
    dots.push_back({-1, 5, 255});  // off the menu: ignored
    const QImage before = batch.shown().copy();
    batch.paintDots(dots);
    for (const auto& dot : dots) single.paintDot(dot.x, dot.y, dot.grey);
    ASSERT_EQ(batch.shown(), single.shown());
    const std::vector<QRect>* blocks = batch.changedBlocks();
    ASSERT_NE(blocks, nullptr);
    const auto inSomeBlock = [&](QPoint p) {
      return std::ranges::any_of(*blocks, [p](const QRect& block) { return block.contains(p); });
    };
    ASSERT_EQ(unlistedChange(before, batch.shown(), inSomeBlock), "");
    batch.takeChanged();
    single.takeChanged();
  }
}

// Drawn anew, or too many to list, the changes are handed out only as their rectangle.
TEST_P(ShownAt, ListsNoBlocksWhenAllIsDrawnAnewOrTooManyChanged) {
  MenuPicture picture(kMenu);
  layOut(picture);
  picture.clearDots();
  EXPECT_EQ(picture.changedBlocks(), nullptr);
  EXPECT_EQ(picture.takeChanged(), picture.shown().rect());
  ASSERT_NE(picture.changedBlocks(), nullptr);
  EXPECT_TRUE(picture.changedBlocks()->empty());

  for (int y = 100; y < 300; ++y)
    for (int x = 0; x < 30; ++x) picture.paintDot(x, y, 200);
  EXPECT_EQ(picture.changedBlocks(), nullptr);
  const int zoom = GetParam();
  const QRect changed = picture.takeChanged();
  EXPECT_TRUE(changed.contains(QPoint(0, 100 * zoom / 100)));
  EXPECT_TRUE(changed.contains(QPoint(29 * zoom / 100, 299 * zoom / 100)));
  EXPECT_NE(picture.changedBlocks(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Zoom, ShownAt, ::testing::Values(75, 100, 150, 200, 300));

}  // namespace
}  // namespace dwaalbos
