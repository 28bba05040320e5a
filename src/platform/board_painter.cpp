#include "board_painter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <span>

#include "level/cell_kinds.h"
#include "picture_names.h"
#include "scaled_art.h"

namespace dwaalbos {

namespace {

BlitPath pathOf(bool metBitBlt) { return metBitBlt ? BlitPath::Scanlines : BlitPath::Painter; }

bool zoomed(const QImage& target) { return target.devicePixelRatio() > 1; }

// The target's own pixels, without its device pixel ratio: the scaled art is placed by pixel.
QImage pixelsOf(QImage& target) {
  return QImage(target.bits(), target.width(), target.height(), target.bytesPerLine(),
                target.format());
}

QPoint devicePoint(int x, int y, int cell) {
  return QPoint(static_cast<int>(std::lround(x * cell / double(kCellPixels))),
                static_cast<int>(std::lround(y * cell / double(kCellPixels))));
}

void pasteAll(QPainter& painter, std::span<const QImage> cells, const Board& veld, int cell) {
  const auto& codes = veld.flat();
  for (int c = 1; c < Board::kSide; ++c) {
    for (int r = 1; r < Board::kSide; ++r) {
      const int code = codes[c + Board::kSide * r];
      if (code < 0 || code >= static_cast<int>(cells.size()) || cells[code].isNull()) continue;
      painter.drawImage(QPoint((c - 1) * cell, (r - 1) * cell), cells[code]);
    }
  }
}

}  // namespace

BoardPainter::BoardPainter(const Pictures& pictures)
    : pictures_(pictures), man_(pictures.get(plaatje::kMan)),
      manmask_(pictures.get(plaatje::kManmask)) {
  for (const CellKind& kind : kCellKinds) {
    const auto code = static_cast<std::size_t>(kind.code);
    editorNames_[code] = kind.art;
    if (!kind.inPlay) continue;
    redNames_[code] = playArt(kind, true);
    blueNames_[code] = playArt(kind, false);
  }

  red_ = frames(redNames_);
  blue_ = frames(blueNames_);
  editor_ = frames(editorNames_);
  for (int frame = 0; frame < static_cast<int>(manFrames_.size()); ++frame) {
    manFrames_[frame] =
        SpriteFrame::of(man_, {frame % 2 * kCellPixels, frame / 2 * kCellPixels}, &manmask_);
  }
}

BoardPainter::Table BoardPainter::frames(const Names& names) const {
  Table table{};
  for (std::size_t code = 0; code < names.size(); ++code) {
    const CellArt& art = names[code];
    if (!art.picture) continue;
    table[code] = SpriteFrame::of(pictures_.get(art.picture), {0, 0},
                                  art.mask ? &pictures_.get(art.mask) : nullptr);
  }
  return table;
}

// A picture of the large set (from `source` in 40-pixel units) brought down to `cell`.
// A picture and its mask come both from the large set or, when either is missing there, both
// enlarged from the normal one, so that their outlines match.
QImage BoardPainter::cutout(const CellArt& art, QPoint source, int cell) const {
  const bool enlarged =
      !pictures_.hasLarge(art.picture) || (art.mask && !pictures_.hasLarge(art.mask));
  const auto large = [&](const char* name) {
    constexpr int kLargeCell = kCellPixels * plaatje::kLargeScale;
    if (!enlarged)
      return pictures_.large(name).copy(
          QRect(source * plaatje::kLargeScale, QSize(kLargeCell, kLargeCell)));
    return pictures_.get(name)
        .copy(QRect(source, QSize(kCellPixels, kCellPixels)))
        .scaled(kLargeCell, kLargeCell, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  };
  const QImage picture = large(art.picture);
  return shrunk(art.mask ? cutOut(picture, large(art.mask)) : picture, {cell, cell});
}

BoardPainter::Cutouts BoardPainter::cutouts(const Names& names, int cell) const {
  Cutouts result;
  for (std::size_t code = 0; code < names.size(); ++code) {
    if (names[code].picture) result[code] = cutout(names[code], {0, 0}, cell);
  }
  return result;
}

const BoardPainter::Scaled& BoardPainter::scaledFor(const QImage& target) const {
  const int cell = static_cast<int>(std::lround(kCellPixels * target.devicePixelRatio()));
  if (scaled_ && scaled_->cell == cell) return *scaled_;
  Scaled scaled;
  scaled.cell = cell;
  scaled.red = cutouts(redNames_, cell);
  scaled.blue = cutouts(blueNames_, cell);
  scaled.editor = cutouts(editorNames_, cell);
  for (int frame = 0; frame < static_cast<int>(scaled.man.size()); ++frame) {
    scaled.man[frame] = cutout({plaatje::kMan, plaatje::kManmask},
                               {frame % 2 * kCellPixels, frame / 2 * kCellPixels}, cell);
  }
  scaled_ = std::move(scaled);
  return *scaled_;
}

void BoardPainter::tekenen(QImage& target, const Board& veld, bool schakelaar, const ManPose& man,
                           bool metBitBlt, QRgb background) const {
  ensureBoardImage(target);
  if (zoomed(target)) {
    drawScaled(target, false, schakelaar, veld, &man, background);
    return;
  }
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
  if (zoomed(target)) {
    drawScaled(target, true, true, veld, nullptr, background);
    return;
  }
  Blitter blitter(target, BlitPath::Scanlines);
  blitter.clear(background);
  pasteCells(blitter, editor_, veld);
}

void BoardPainter::pasteObject(QImage& target, int code, int x, int y, bool schakelaar,
                               bool metBitBlt) const {
  ensureBoardImage(target);
  if (zoomed(target)) {
    const Scaled& art = scaledFor(target);
    const Cutouts& cells = schakelaar ? art.red : art.blue;
    if (code < 0 || code >= static_cast<int>(cells.size()) || cells[code].isNull()) return;
    QImage pixels = pixelsOf(target);
    QPainter(&pixels).drawImage(devicePoint(x, y, art.cell), cells[code]);
    return;
  }
  Blitter blitter(target, pathOf(metBitBlt));
  paste(blitter, schakelaar ? red_ : blue_, code, x, y);
}

const QImage& BoardPainter::editorPicture(int code) const {
  if (code < 1 || code >= static_cast<int>(editor_.size()) || !editor_[code].image) return none_;
  return *editor_[code].image;
}

const QImage& BoardPainter::editorLargePicture(int code) const {
  if (code < 1 || code >= static_cast<int>(editor_.size()) || !editor_[code].image) return none_;
  return pictures_.large(editorNames_[code].picture);
}

void BoardPainter::ensureBoardImage(QImage& target) {
  const QSize logical = target.deviceIndependentSize().toSize();
  if (logical != QSize(kBoardPixels, kBoardPixels) || target.format() != QImage::Format_RGB32) {
    target = QImage(kBoardPixels, kBoardPixels, QImage::Format_RGB32);
  }
}

void BoardPainter::drawScaled(QImage& target, bool editor, bool schakelaar, const Board& veld,
                              const ManPose* man, QRgb background) const {
  const Scaled& art = scaledFor(target);
  QImage pixels = pixelsOf(target);
  QPainter painter(&pixels);
  painter.fillRect(pixels.rect(), QColor::fromRgb(background));
  pasteAll(painter, editor ? art.editor : schakelaar ? art.red : art.blue, veld, art.cell);
  if (!man) return;
  const bool onSheet = (man->stap == 0 || man->stap == kCellPixels) && man->kant >= 0 &&
                       man->kant <= 3 * kCellPixels && man->kant % kCellPixels == 0;
  const QPoint at = devicePoint(man->manX, man->manY, art.cell);
  if (onSheet) {
    painter.drawImage(at, art.man[man->stap / kCellPixels + 2 * (man->kant / kCellPixels)]);
  } else {
    painter.drawImage(at,
                      cutout({plaatje::kMan, plaatje::kManmask}, {man->stap, man->kant}, art.cell));
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
