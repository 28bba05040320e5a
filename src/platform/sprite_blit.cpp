#include "sprite_blit.h"

#include <cstdint>
#include <cstring>

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

// Four pixels at a time (GCC and Clang vector extensions), the rest one by one.
using Pixels4 = std::uint32_t __attribute__((vector_size(16)));

// RGB32 keeps its top byte at 0xFF; the operations below leave it there.
template <RasterOp op, typename T>
T combined(T d, T s) {
  if constexpr (op == RasterOp::SrcCopy) return s;
  else if constexpr (op == RasterOp::MergePaint) return d | ~s | 0xFF000000u;
  else return d & s;
}

template <RasterOp op>
void combineLine(std::uint32_t* d, const std::uint32_t* s, int count) {
  int i = 0;
  for (; i + 4 <= count; i += 4) {
    Pixels4 dv;
    Pixels4 sv;
    std::memcpy(&dv, d + i, sizeof dv);
    std::memcpy(&sv, s + i, sizeof sv);
    dv = combined<op>(dv, sv);
    std::memcpy(d + i, &dv, sizeof dv);
  }
  for (; i < count; ++i) d[i] = combined<op>(d[i], s[i]);
}

template <RasterOp op>
void combineRect(QImage& dest, QPoint to, const QImage& source, QRect area) {
  const qsizetype destStride = dest.bytesPerLine();
  const qsizetype sourceStride = source.bytesPerLine();
  uchar* d = dest.bits() + to.y() * destStride + to.x() * 4;
  const uchar* s = source.constBits() + area.y() * sourceStride + area.x() * 4;
  for (int row = 0; row < area.height(); ++row, d += destStride, s += sourceStride) {
    combineLine<op>(reinterpret_cast<std::uint32_t*>(d),
                    reinterpret_cast<const std::uint32_t*>(s), area.width());
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
  switch (op) {
    case RasterOp::SrcCopy: combineRect<RasterOp::SrcCopy>(dest_, to, source, area); break;
    case RasterOp::MergePaint: combineRect<RasterOp::MergePaint>(dest_, to, source, area); break;
    case RasterOp::SrcAnd: combineRect<RasterOp::SrcAnd>(dest_, to, source, area); break;
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
