#include <QPainter>

#include <gtest/gtest.h>

#include <random>

#include "frontend/menu_picture.h"
#include "frontend/starfield.h"

namespace dwaalbos {
namespace {

constexpr QSize kMenu{440, 300};

QImage bar() {
  QImage image(kMenu, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter(&image).fillRect(QRect(40, 60, 360, 30), QColor(40, 160, 60));
  return image;
}

bool inSomeBlock(const std::vector<QRect>& blocks, QPoint pixel) {
  for (const QRect& block : blocks)
    if (block.contains(pixel)) return true;
  return false;
}

class Blocks : public ::testing::TestWithParam<int> {
 protected:
  void layOut(MenuPicture& picture) const {
    picture.layout(bar(), kMenu * GetParam() / 100, {});
    picture.takeChanged();
  }
};

// Painted in one go, the dots give the picture they give one by one, and the listed blocks hold
// every pixel that changed.
TEST_P(Blocks, ListEveryChangedPixelOfDotsPaintedInOneGo) {
  MenuPicture batch(kMenu);
  MenuPicture single(kMenu);
  layOut(batch);
  layOut(single);
  std::mt19937 random(5);
  Starfield sterren(kMenu.width(), kMenu.height());
  sterren.scatter(random);
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
    for (int y = 0; y < before.height(); ++y)
      for (int x = 0; x < before.width(); ++x)
        if (batch.shown().pixel(x, y) != before.pixel(x, y)) {
          ASSERT_TRUE(inSomeBlock(*blocks, {x, y})) << x << ", " << y;
        }
    batch.takeChanged();
    single.takeChanged();
  }
}

// Drawn anew, or too many to list, the changes are handed out only as their rectangle.
TEST_P(Blocks, AreNotListedWhenAllIsDrawnAnewOrTooManyChanged) {
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

INSTANTIATE_TEST_SUITE_P(Zoom, Blocks, ::testing::Values(75, 100, 150));

}  // namespace
}  // namespace dwaalbos
