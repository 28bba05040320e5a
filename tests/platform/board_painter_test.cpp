#include "platform/board_painter.h"

#include <gtest/gtest.h>

#include "level/cell_codes.h"
#include "platform/picture_names.h"
#include "support/game_pictures.h"

using namespace dwaalbos;
using testsupport::gamePictures;

namespace {

// What a paste must look like: the picture where its mask is black, the old pixel elsewhere;
// no mask pastes the whole picture.
void expectPaste(QImage& expected, QPoint at, const char* picture, const char* mask,
                 QPoint from = {0, 0}) {
  const QImage& image = gamePictures().get(picture);
  const QImage* shape = mask ? &gamePictures().get(mask) : nullptr;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      const QPoint source = from + QPoint(x, y);
      if (shape && shape->pixel(source) != qRgb(0, 0, 0)) continue;
      expected.setPixel(at + QPoint(x, y), image.pixel(source));
    }
  }
}

QImage background(QRgb colour = kBoardBackground) {
  QImage image(480, 480, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

QPoint cellAt(int c, int r) { return {(c - 1) * 40, (r - 1) * 40}; }

// Every code 0..15 once, the first and last cells used too, and values that must draw nothing.
Board everyCode() {
  Board board;
  for (int code = 0; code <= 15; ++code) board.set(1 + code % 12, 1 + code / 12 * 11, code);
  board.set(12, 12, cell::kPushBlock);
  board.set(6, 6, 16);
  board.set(7, 7, -1);
  board.set(8, 8, 32767);
  board.set(0, 5, cell::kWall);
  board.set(5, 0, cell::kPushBlock);
  return board;
}

QImage cellOf(const QImage& image, int code) {
  return image.copy(QRect(cellAt(1 + code % 12, 1 + code / 12 * 11), QSize(40, 40)));
}

// Both blit paths draw alike (the blitter's tests); the board is drawn through one.
class Tekenen : public ::testing::Test {
 protected:
  BoardPainter painter{gamePictures()};
};

// Which picture belongs to which object is the artwork's business; here every object has one
// of its own, and the switch's state changes the switch and the gates only.
TEST_F(Tekenen, EveryObjectHasAPictureOfItsOwnAndTheSwitchChangesOnlyItselfAndTheGates) {
  QImage red;
  QImage blue;
  painter.tekenen(red, everyCode(), true, ManPose{440, 440, 40, 120}, true);
  painter.tekenen(blue, everyCode(), false, ManPose{440, 440, 40, 120}, true);
  const QImage plain = background().copy(0, 0, 40, 40);
  for (int code = 1; code <= 15; ++code) {
    const bool drawn = code != cell::kUnused;
    EXPECT_EQ(cellOf(red, code) != plain, drawn) << code;
    const bool changes = code == cell::kSwitch || code == cell::kBlueGate || code == cell::kRedGate;
    EXPECT_EQ(cellOf(red, code) != cellOf(blue, code), changes) << code;
    for (int other = 1; drawn && other < code; ++other)
      EXPECT_NE(cellOf(red, code), cellOf(red, other)) << code << " " << other;
  }
}

TEST_F(Tekenen, APlayerBetweenCellsIsDrawnWhereHeIs) {
  QImage drawn;
  painter.tekenen(drawn, Board{}, true, ManPose{16, 0, 40, 40}, true);
  QImage expected = background();
  expectPaste(expected, {16, 0}, plaatje::kMan, plaatje::kManmask, {40, 40});
  EXPECT_EQ(drawn, expected);
}

TEST_F(Tekenen, PasteObjectAddsOneObjectWithoutClearing) {
  QImage drawn = background(qRgb(10, 20, 30));
  painter.pasteObject(drawn, cell::kPushBlock, 100, 60, true, true);
  QImage expected = background(qRgb(10, 20, 30));
  expectPaste(expected, {100, 60}, plaatje::kDuwblok, plaatje::kDuwblokmask);
  EXPECT_EQ(drawn, expected);
  painter.pasteObject(drawn, 99, 0, 0, true, true);
  EXPECT_EQ(drawn, expected);
}

TEST(Edtekenen, TheEditorShowsTheStartOfPlayAndTheEnemy) {
  const BoardPainter painter(gamePictures());
  QImage drawn;
  QImage play;
  painter.edtekenen(drawn, everyCode(), qRgb(255, 255, 255));
  painter.tekenen(play, everyCode(), true, ManPose{440, 440, 40, 120}, true, qRgb(255, 255, 255));
  for (int code = 0; code <= 15; ++code) {
    if (code == cell::kUnused) continue;
    EXPECT_EQ(cellOf(drawn, code), cellOf(play, code)) << code;
  }
  QImage enemy = background(qRgb(255, 255, 255));
  expectPaste(enemy, cellAt(11, 1), plaatje::kVijand, plaatje::kVijandmask);
  EXPECT_EQ(cellOf(drawn, cell::kUnused), cellOf(enemy, cell::kUnused));
}

}  // namespace
