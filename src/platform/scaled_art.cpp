#include "scaled_art.h"

#include <QPainter>
#include <QWidget>

#include <cmath>

#include "zoomed_widgets.h"

namespace dwaalbos {

QImage cutOut(const QImage& picture, const QImage& mask) {
  QImage result(picture.size(), QImage::Format_ARGB32_Premultiplied);
  const QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
  const QImage stencil = mask.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < result.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
    const auto* cut = reinterpret_cast<const QRgb*>(stencil.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < result.width(); ++x) {
      const bool object = y < stencil.height() && x < stencil.width() && qGray(cut[x]) < 128;
      to[x] = object ? (from[x] | 0xFF000000u) : 0u;
    }
  }
  return result;
}

QImage shrunk(const QImage& art, QSize pixels) {
  if (art.size() == pixels) return art;
  if (pixels.width() > art.width() || pixels.height() > art.height()) return artAtSize(art, pixels);
  return art.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

qreal artScale(const QWidget& widget, int logicalWidth, int cell) {
  const qreal wanted = widget.width() * widget.devicePixelRatioF() / logicalWidth;
  if (wanted <= 1.0) return 1.0;
  return std::round(wanted * cell) / cell;
}

bool rescale(QImage& image, qreal scale) {
  if (image.devicePixelRatio() == scale) return false;
  const QSizeF logical = image.deviceIndependentSize();
  QImage result((logical * scale).toSize(), image.format());
  result.setDevicePixelRatio(scale);
  result.fill(Qt::black);
  {
    QPainter painter(&result);
    painter.drawImage(QRectF(QPointF(0, 0), logical), image);
  }
  image = result;
  return true;
}

}  // namespace dwaalbos
