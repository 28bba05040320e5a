#include "sprite_blit.h"

#include <algorithm>
#include <cmath>
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
    combineLine<op>(reinterpret_cast<std::uint32_t*>(d), reinterpret_cast<const std::uint32_t*>(s),
                    area.width());
  }
}

// The smallest rectangle of the frame that holds every non-white pixel.
QRect inkOf(const QImage& image, QRect frame) {
  const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
  const QRect inside = frame.intersected(opaque.rect());
  int left = inside.right() + 1;
  int right = inside.left() - 1;
  int top = inside.bottom() + 1;
  int bottom = inside.top() - 1;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
    for (int x = inside.left(); x <= inside.right(); ++x) {
      if ((line[x] | 0xFF000000u) == 0xFFFFFFFFu) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (left > right) return {};
  return QRect(QPoint(left, top), QPoint(right, bottom)).translated(-frame.topLeft());
}

const QRect kWholeSprite(0, 0, kSpriteSide, kSpriteSide);

// A rectangle of logical pixels in device pixels; edges, not sizes, are rounded, so that
// rectangles that touch still touch.
QRect devicePixels(QRect logical, qreal scale) {
  const auto at = [scale](int value) { return static_cast<int>(std::lround(value * scale)); };
  return QRect(
      QPoint(at(logical.left()), at(logical.top())),
      QPoint(at(logical.left() + logical.width()) - 1, at(logical.top() + logical.height()) - 1));
}

}  // namespace

SpriteFrame SpriteFrame::of(const QImage& image, QPoint source, const QImage* mask) {
  const QRect frame(source, QSize(kSpriteSide, kSpriteSide));
  return {&image, mask, source, mask ? inkOf(*mask, frame) : kWholeSprite,
          mask ? inkOf(image, frame) : kWholeSprite};
}

Blitter::Blitter(QImage& dest, BlitPath path) : dest_(dest), path_(path) {
  if (dest_.format() != QImage::Format_RGB32) dest_.convertTo(QImage::Format_RGB32);
  if (path_ == BlitPath::Painter && dest_.devicePixelRatio() == 1) painter_.emplace(&dest_);
}

void Blitter::blit(QPoint to, const QImage& source, QRect from, RasterOp op) {
  const qreal scale = dest_.devicePixelRatio();
  if (scale == 1) {
    blitPixels(to, source, from, op);
    return;
  }
  const QRect area = devicePixels(from, scale);
  blitPixels(devicePixels(QRect(to, from.size()), scale).topLeft(), source, area, op);
}

void Blitter::blitPixels(QPoint to, const QImage& source, QRect from, RasterOp op) {
  const QRect area = clipped(to, from, source, dest_);
  if (area.isEmpty()) return;
  if (source.format() != QImage::Format_RGB32) {
    blitPixels(to, source.copy(area).convertToFormat(QImage::Format_RGB32),
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

void Blitter::sprite(int x, int y, const QImage& image, int bronX, int bronY, const QImage* mask) {
  sprite(x, y, SpriteFrame{&image, mask, {bronX, bronY}, kWholeSprite, kWholeSprite});
}

void Blitter::sprite(int x, int y, const SpriteFrame& frame) {
  const QPoint at(x, y);
  if (!frame.mask) {
    blit(at, *frame.image, QRect(frame.source, kWholeSprite.size()), RasterOp::SrcCopy);
    return;
  }
  if (!frame.maskInk.isEmpty()) {
    blit(at + frame.maskInk.topLeft(), *frame.mask, frame.maskInk.translated(frame.source),
         RasterOp::MergePaint);
  }
  if (!frame.imageInk.isEmpty()) {
    blit(at + frame.imageInk.topLeft(), *frame.image, frame.imageInk.translated(frame.source),
         RasterOp::SrcAnd);
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
