#include "pictures.h"

#include <QPainter>

#include "picture_names.h"

namespace dwaalbos {

Pictures::Pictures(const QString& gameFolder) : unknown_(fallback(40, 40)) {
  for (const auto& entry : plaatje::kAll) {
    const QString name = QString::fromLatin1(entry.name);
    QImage image(gameFolder + QStringLiteral("/plaatjes/") + name + QStringLiteral(".png"));
    if (image.isNull()) {
      missing_.append(name);
      image = fallback(entry.width, entry.height);
    }
    images_.insert(name, image.convertToFormat(QImage::Format_RGB32));
  }
}

const QImage& Pictures::get(const QString& name) const {
  const auto found = images_.constFind(name);
  return found == images_.constEnd() ? unknown_ : *found;
}

QImage Pictures::withMask(const QString& name, const QString& maskName) const {
  QImage result = get(name).convertToFormat(QImage::Format_ARGB32);
  const QImage& mask = get(maskName);
  for (int y = 0; y < result.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < result.width(); ++x) {
      const bool outside = !mask.valid(x, y) || qGray(mask.pixel(x, y)) >= 128;
      if (outside) line[x] = qRgba(0, 0, 0, 0);
    }
  }
  return result;
}

QImage Pictures::fallback(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  constexpr int kChecker = 8;
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      line[x] = ((x / kChecker + y / kChecker) % 2) ? qRgb(255, 0, 255) : qRgb(0, 0, 0);
    }
  }
  QPainter painter(&image);
  painter.setPen(QPen(Qt::white, 2));
  painter.drawLine(0, 0, width - 1, height - 1);
  painter.drawLine(width - 1, 0, 0, height - 1);
  return image;
}

}  // namespace dwaalbos
