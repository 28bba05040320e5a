#include "platform/sprite_blit.h"

#include <gtest/gtest.h>

using dwaalbos::BlitPath;
using dwaalbos::Blitter;
using dwaalbos::RasterOp;

namespace {

QImage filled(int w, int h, QRgb colour) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

// A source whose every pixel differs, so that a misplaced copy shows.
QImage gradient(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 5, y * 5, (x * y) % 256));
  }
  return image;
}

QImage blitOnce(BlitPath path, QImage dest, QPoint to, const QImage& source, QRect from,
                RasterOp op) {
  Blitter(dest, path).blit(to, source, from, op);
  return dest;
}

class BothPaths : public ::testing::TestWithParam<BlitPath> {};

TEST_P(BothPaths, RasterOperationsCombineChannelsBitwise) {
  const QRgb d = qRgb(0xF0, 0x0F, 0x5A);
  const QRgb s = qRgb(0x3C, 0xC3, 0xAA);
  const QImage source = filled(2, 2, s);
  const auto result = [&](RasterOp op) {
    return blitOnce(GetParam(), filled(2, 2, d), {0, 0}, source, {0, 0, 2, 2}, op).pixel(1, 1);
  };
  EXPECT_EQ(result(RasterOp::SrcCopy), s);
  EXPECT_EQ(result(RasterOp::MergePaint), (d | ~s) | 0xFF000000u);
  EXPECT_EQ(result(RasterOp::SrcAnd), (d & s) | 0xFF000000u);
}

// A measured frame skips only what cannot change the board.
TEST_P(BothPaths, AMeasuredFramePastesLikeTheWholeFrame) {
  QImage sheet = filled(80, 40, qRgb(255, 255, 255));
  QImage mask = filled(80, 40, qRgb(255, 255, 255));
  for (int y = 30; y < 37; ++y) {
    for (int x = 45; x < 52; ++x) {
      sheet.setPixel(x, y, qRgb(x, y, 7));
      mask.setPixel(x, y, qRgb(0, 0, 0));
    }
  }
  for (const QPoint source : {QPoint(0, 0), QPoint(40, 0)}) {
    const auto frame = dwaalbos::SpriteFrame::of(sheet, source, &mask);
    QImage whole = gradient(100, 100);
    QImage measured = whole;
    Blitter(whole, GetParam()).sprite(30, 50, sheet, source.x(), source.y(), &mask);
    Blitter(measured, GetParam()).sprite(30, 50, frame);
    EXPECT_EQ(measured, whole);
  }
  EXPECT_TRUE(dwaalbos::SpriteFrame::of(sheet, {0, 0}, &mask).maskInk.isEmpty());
  EXPECT_EQ(dwaalbos::SpriteFrame::of(sheet, {40, 0}, &mask).maskInk, QRect(5, 30, 7, 7));
}

TEST_P(BothPaths, PastesAreClippedToBothImages) {
  const QImage source = gradient(40, 40);
  const QImage before = filled(50, 50, qRgb(1, 2, 3));
  const QImage left =
      blitOnce(GetParam(), before, {-30, -35}, source, {0, 0, 40, 40}, RasterOp::SrcCopy);
  EXPECT_EQ(left.pixel(0, 0), source.pixel(30, 35));
  EXPECT_EQ(left.pixel(9, 4), source.pixel(39, 39));
  EXPECT_EQ(left.pixel(10, 5), qRgb(1, 2, 3));

  const QImage right =
      blitOnce(GetParam(), before, {40, 40}, source, {-5, -5, 20, 20}, RasterOp::SrcCopy);
  EXPECT_EQ(right.pixel(45, 45), source.pixel(0, 0));
  EXPECT_EQ(right.pixel(49, 49), source.pixel(4, 4));
  EXPECT_EQ(right.pixel(44, 45), qRgb(1, 2, 3));
  EXPECT_EQ(right.pixel(45, 44), qRgb(1, 2, 3));

  const QImage away =
      blitOnce(GetParam(), before, {500, 500}, source, {0, 0, 40, 40}, RasterOp::SrcAnd);
  EXPECT_EQ(away, before);
}

TEST_P(BothPaths, OtherFormatsAreConvertedNotMisread) {
  QImage dest(20, 20, QImage::Format_RGB888);
  dest.fill(Qt::white);
  QImage source(20, 20, QImage::Format_ARGB32);
  source.fill(qRgba(10, 20, 30, 255));
  Blitter(dest, GetParam()).blit({0, 0}, source, {0, 0, 20, 20}, RasterOp::SrcAnd);
  EXPECT_EQ(dest.format(), QImage::Format_RGB32);
  EXPECT_EQ(dest.pixel(5, 5), qRgb(10, 20, 30));
}

INSTANTIATE_TEST_SUITE_P(Blitter, BothPaths,
                         ::testing::Values(BlitPath::Painter, BlitPath::Scanlines),
                         [](const auto& info) {
                           return info.param == BlitPath::Painter ? "Painter" : "Scanlines";
                         });

}  // namespace
