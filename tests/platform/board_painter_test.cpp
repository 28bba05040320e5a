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

struct Drawn {
  const char* picture;
  const char* mask;
};

// The play pictures of every code for one switch state; null where nothing is drawn.
Drawn playPicture(int code, bool red) {
  using namespace plaatje;
  switch (code) {
    case cell::kWall: return {kMuur, nullptr};
    case cell::kSwitch: return {red ? kSchakr : kSchakbl, kSchakmask};
    case cell::kBlueGate: return red ? Drawn{kBlauwin, kInmask} : Drawn{kBlauwuit, kUitmask};
    case cell::kRedGate: return red ? Drawn{kRooduit, kUitmask} : Drawn{kRoodin, kInmask};
    case cell::kStart: return {kBegin, kBeginmask};
    case cell::kEnd: return {kEind, kBeginmask};
    case cell::kKey: return {kSleutel, kSleutelmask};
    case cell::kKeyBlock: return {kSleutelblok, kDuwblokmask};
    case cell::kPushBlock: return {kDuwblok, kDuwblokmask};
    case cell::kArrowLeft: return {kPijllinks, nullptr};
    case cell::kArrowUp: return {kPijlomhoog, nullptr};
    case cell::kArrowDown: return {kPijlomlaag, nullptr};
    case cell::kArrowRight: return {kPijlrechts, nullptr};
    case cell::kFourWay: return {kVierpijl, nullptr};
    default: return {nullptr, nullptr};
  }
}

// Every code 0..15 once, placed so that the first and last cells are used too, and values
// and places that must draw nothing: unknown codes, and the row and column 0 outside the board.
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

class Tekenen : public ::testing::TestWithParam<bool> {
 protected:
  BoardPainter painter{gamePictures()};
};

TEST_P(Tekenen, DrawsEveryCodeThroughItsMaskThenThePlayer) {
  for (const bool red : {true, false}) {
    const Board board = everyCode();
    const ManPose man{440, 440, 40, 120};
    QImage drawn;
    painter.tekenen(drawn, board, red, man, GetParam());

    QImage expected = background();
    for (int c = 1; c <= 12; ++c) {
      for (int r = 1; r <= 12; ++r) {
        const Drawn what = playPicture(board.at(c, r), red);
        if (what.picture) expectPaste(expected, cellAt(c, r), what.picture, what.mask);
      }
    }
    expectPaste(expected, {440, 440}, plaatje::kMan, plaatje::kManmask, {40, 120});
    ASSERT_EQ(drawn.size(), QSize(480, 480));
    EXPECT_EQ(drawn, expected) << (red ? "red" : "blue");
  }
}

TEST_P(Tekenen, APlayerBetweenCellsIsDrawnWhereHeIs) {
  QImage drawn;
  painter.tekenen(drawn, Board{}, true, ManPose{16, 0, 40, 40}, GetParam());
  QImage expected = background();
  expectPaste(expected, {16, 0}, plaatje::kMan, plaatje::kManmask, {40, 40});
  EXPECT_EQ(drawn, expected);
}

TEST_P(Tekenen, PasteObjectAddsOneObjectWithoutClearing) {
  QImage drawn = background(qRgb(10, 20, 30));
  painter.pasteObject(drawn, cell::kPushBlock, 100, 60, true, GetParam());
  QImage expected = background(qRgb(10, 20, 30));
  expectPaste(expected, {100, 60}, plaatje::kDuwblok, plaatje::kDuwblokmask);
  EXPECT_EQ(drawn, expected);
  painter.pasteObject(drawn, 99, 0, 0, true, GetParam());
  EXPECT_EQ(drawn, expected);
}

INSTANTIATE_TEST_SUITE_P(BoardPainter, Tekenen, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "BitBlt" : "PaintPicture"; });

TEST(Edtekenen, TheEditorShowsTheStartOfPlayAndTheEnemy) {
  const BoardPainter painter(gamePictures());
  const Board board = everyCode();
  QImage drawn;
  painter.edtekenen(drawn, board, qRgb(255, 255, 255));
  QImage expected = background(qRgb(255, 255, 255));
  for (int c = 1; c <= 12; ++c) {
    for (int r = 1; r <= 12; ++r) {
      const int code = board.at(c, r);
      const Drawn what = code == cell::kUnused ? Drawn{plaatje::kVijand, plaatje::kVijandmask}
                                               : playPicture(code, true);
      if (what.picture) expectPaste(expected, cellAt(c, r), what.picture, what.mask);
    }
  }
  EXPECT_EQ(drawn, expected);
}

TEST(Edtekenen, TheLegendHasAPictureForEveryPlaceableCode) {
  const BoardPainter painter(gamePictures());
  EXPECT_TRUE(painter.editorPicture(0).isNull());
  EXPECT_TRUE(painter.editorPicture(16).isNull());
  EXPECT_EQ(painter.editorPicture(cell::kUnused), gamePictures().get(plaatje::kVijand));
  EXPECT_EQ(painter.editorPicture(cell::kSwitch), gamePictures().get(plaatje::kSchakr));
  for (int code = 1; code <= 15; ++code) {
    EXPECT_EQ(painter.editorPicture(code).size(), QSize(40, 40)) << code;
  }
}

}  // namespace
