#include "sprite_blit.h"

#include <cstdint>

namespace dwaalbos {

namespace {

constexpr int kSpriteSide = 40;

// The part of a paste that lies inside both images, in source coordinates; `to` follows.
QRect clipped(QPoint& to, QRect from, const QImage& source, const QImage& dest) {
  QRect inSource = from.intersected(source.rect());
  to += inSource.topLeft() - from.topLeft();
  QRect inDest = QRect(to, inSource.size()).intersected(dest.rect());
  inSource = QRect(inSource.topLeft() + (inDest.topLeft() - to), inDest.size());
  to = inDest.topLeft();
  return inSource;
}

QPainter::CompositionMode modeOf(RasterOp op) {
  switch (op) {
    case RasterOp::MergePaint: return QPainter::RasterOp_NotSourceOrDestination;
    case RasterOp::SrcAnd: return QPainter::RasterOp_SourceAndDestination;
    case RasterOp::SrcCopy: break;
  }
  return QPainter::CompositionMode_Source;
}

// RGB32 keeps its top byte at 0xFF; the operations below leave it there.
void combineLine(std::uint32_t* d, const std::uint32_t* s, int count, RasterOp op) {
  switch (op) {
    case RasterOp::SrcCopy:
      for (int i = 0; i < count; ++i) d[i] = s[i];
      break;
    case RasterOp::MergePaint:
      for (int i = 0; i < count; ++i) d[i] |= ~s[i] | 0xFF000000u;
      break;
    case RasterOp::SrcAnd:
      for (int i = 0; i < count; ++i) d[i] &= s[i];
      break;
  }
}

}  // namespace

Blitter::Blitter(QImage& dest, BlitPath path) : dest_(dest), path_(path) {
  if (dest_.format() != QImage::Format_RGB32) dest_.convertTo(QImage::Format_RGB32);
  if (path_ == BlitPath::BitBlt) painter_.emplace(&dest_);
}

void Blitter::blit(QPoint to, const QImage& source, QRect from, RasterOp op) {
  const QRect area = clipped(to, from, source, dest_);
  if (area.isEmpty()) return;
  if (source.format() != QImage::Format_RGB32) {
    blit(to, source.copy(area).convertToFormat(QImage::Format_RGB32),
         QRect(QPoint(0, 0), area.size()), op);
    return;
  }
  if (painter_) {
    painter_->setCompositionMode(modeOf(op));
    painter_->drawImage(to, source, area);
    return;
  }
  for (int row = 0; row < area.height(); ++row) {
    auto* d = reinterpret_cast<std::uint32_t*>(dest_.scanLine(to.y() + row)) + to.x();
    const auto* s =
        reinterpret_cast<const std::uint32_t*>(source.constScanLine(area.y() + row)) + area.x();
    combineLine(d, s, area.width(), op);
  }
}

void Blitter::sprite(int x, int y, const QImage& image, int bronX, int bronY,
                     const QImage* mask) {
  const QRect from(bronX, bronY, kSpriteSide, kSpriteSide);
  if (mask) {
    blit({x, y}, *mask, from, RasterOp::MergePaint);
    blit({x, y}, image, from, RasterOp::SrcAnd);
  } else {
    blit({x, y}, image, from, RasterOp::SrcCopy);
  }
}

void Blitter::clear(QRgb colour) {
  if (painter_) {
    painter_->setCompositionMode(QPainter::CompositionMode_Source);
    painter_->fillRect(dest_.rect(), QColor::fromRgb(colour));
    return;
  }
  dest_.fill(colour | 0xFF000000u);
}

}  // namespace dwaalbos
