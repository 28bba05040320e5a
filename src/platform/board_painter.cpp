#include "board_painter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "level/cell_codes.h"
#include "picture_names.h"

namespace dwaalbos {

namespace {

BlitPath pathOf(bool metBitBlt) { return metBitBlt ? BlitPath::Scanlines : BlitPath::Painter; }

}  // namespace

BoardPainter::BoardPainter(const Pictures& pictures)
    : man_(pictures.get(plaatje::kMan)), manmask_(pictures.get(plaatje::kManmask)) {
  const auto with = [&](const char* image, const char* mask) {
    return SpriteFrame::of(pictures.get(image), {0, 0}, mask ? &pictures.get(mask) : nullptr);
  };
  using namespace plaatje;
  Table common{};
  common[cell::kWall] = with(kMuur, nullptr);
  common[cell::kStart] = with(kBegin, kBeginmask);
  common[cell::kEnd] = with(kEind, kBeginmask);
  common[cell::kKey] = with(kSleutel, kSleutelmask);
  common[cell::kKeyBlock] = with(kSleutelblok, kDuwblokmask);
  common[cell::kPushBlock] = with(kDuwblok, kDuwblokmask);
  common[cell::kArrowLeft] = with(kPijllinks, nullptr);
  common[cell::kArrowUp] = with(kPijlomhoog, nullptr);
  common[cell::kArrowDown] = with(kPijlomlaag, nullptr);
  common[cell::kArrowRight] = with(kPijlrechts, nullptr);
  common[cell::kFourWay] = with(kVierpijl, nullptr);

  // A gate of the switch's colour is closed, the other one open.
  red_ = common;
  red_[cell::kSwitch] = with(kSchakr, kSchakmask);
  red_[cell::kBlueGate] = with(kBlauwin, kInmask);
  red_[cell::kRedGate] = with(kRooduit, kUitmask);

  blue_ = common;
  blue_[cell::kSwitch] = with(kSchakbl, kSchakmask);
  blue_[cell::kBlueGate] = with(kBlauwuit, kUitmask);
  blue_[cell::kRedGate] = with(kRoodin, kInmask);

  editor_ = red_;
  editor_[cell::kUnused] = with(kVijand, kVijandmask);

  for (int frame = 0; frame < static_cast<int>(manFrames_.size()); ++frame) {
    manFrames_[frame] =
        SpriteFrame::of(man_, {frame % 2 * kCellPixels, frame / 2 * kCellPixels}, &manmask_);
  }
}

void BoardPainter::tekenen(QImage& target, const Board& veld, bool schakelaar,
                           const ManPose& man, bool metBitBlt, QRgb background) const {
  ensureBoardImage(target);
  Blitter blitter(target, pathOf(metBitBlt));
  blitter.clear(background);
  pasteCells(blitter, schakelaar ? red_ : blue_, veld);
  pasteMan(blitter, man);
}

void BoardPainter::pasteMan(Blitter& blitter, const ManPose& man) const {
  const bool onSheet = (man.stap == 0 || man.stap == kCellPixels) && man.kant >= 0 &&
                       man.kant <= 3 * kCellPixels && man.kant % kCellPixels == 0;
  if (onSheet) {
    const int frame = man.stap / kCellPixels + 2 * (man.kant / kCellPixels);
    blitter.sprite(man.manX, man.manY, manFrames_[frame]);
  } else {
    blitter.sprite(man.manX, man.manY, man_, man.stap, man.kant, &manmask_);
  }
}

void BoardPainter::edtekenen(QImage& target, const Board& veld, QRgb background) const {
  ensureBoardImage(target);
  Blitter blitter(target, BlitPath::Scanlines);
  blitter.clear(background);
  pasteCells(blitter, editor_, veld);
}

void BoardPainter::pasteObject(QImage& target, int code, int x, int y, bool schakelaar,
                               bool metBitBlt) const {
  ensureBoardImage(target);
  Blitter blitter(target, pathOf(metBitBlt));
  paste(blitter, schakelaar ? red_ : blue_, code, x, y);
}

const QImage& BoardPainter::editorPicture(int code) const {
  if (code < 1 || code >= static_cast<int>(editor_.size()) || !editor_[code].image) return none_;
  return *editor_[code].image;
}

void BoardPainter::ensureBoardImage(QImage& target) {
  if (target.size() != QSize(kBoardPixels, kBoardPixels)) {
    target = QImage(kBoardPixels, kBoardPixels, QImage::Format_RGB32);
  }
}

void BoardPainter::paste(Blitter& blitter, const Table& table, int code, int x, int y) {
  if (code < 0 || code >= static_cast<int>(table.size())) return;
  const SpriteFrame& frame = table[code];
  if (frame.image) blitter.sprite(x, y, frame);
}

void BoardPainter::pasteCells(Blitter& blitter, const Table& table, const Board& veld) {
  const auto& cells = veld.flat();
  for (int c = 1; c < Board::kSide; ++c) {
    for (int r = 1; r < Board::kSide; ++r) {
      paste(blitter, table, cells[c + Board::kSide * r], (c - 1) * kCellPixels,
            (r - 1) * kCellPixels);
    }
  }
}

void BoardPainter::sparkle(QImage& target, int col, int row, int phase) {
  QPainter painter(&target);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre((col - 0.5) * kCellPixels, (row - 0.5) * kCellPixels);
  const double radius = 10.0 + 6.0 * phase;
  const double arm = std::max(1.5, 5.0 - 0.7 * phase);
  painter.setPen(QPen(phase % 2 ? QColor(255, 255, 255) : QColor(255, 230, 60), 1.5));
  for (int ray = 0; ray < 8; ++ray) {
    const double angle = (ray + 0.5 * phase) * 3.14159265358979 / 4.0;
    const QPointF star = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
    painter.drawLine(star - QPointF(arm, 0), star + QPointF(arm, 0));
    painter.drawLine(star - QPointF(0, arm), star + QPointF(0, arm));
  }
}

void BoardPainter::outline(QImage& target, int col, int row) {
  QPainter painter(&target);
  painter.setPen(QPen(QColor(255, 255, 0), 3));
  painter.drawRect((col - 1) * kCellPixels + 2, (row - 1) * kCellPixels + 2, kCellPixels - 5,
                   kCellPixels - 5);
}

}  // namespace dwaalbos
