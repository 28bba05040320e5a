#include "pictures.h"

#include <QPainter>

#include <cstdio>

#include "picture_names.h"

namespace dwaalbos {

namespace {

QImage enlarged(const QImage& image) {
  return image.scaled(image.size() * plaatje::kLargeScale, Qt::IgnoreAspectRatio,
                      Qt::FastTransformation);
}

}  // namespace

Pictures::Pictures(const QString& gameFolder)
    : folder_(gameFolder + QStringLiteral("/plaatjes/")), unknown_(fallback(40, 40)),
      unknownLarge_(enlarged(unknown_)) {
  for (const auto& entry : plaatje::kAll) {
    const QString name = QString::fromLatin1(entry.name);
    QImage image(folder_ + name + QStringLiteral(".png"));
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

// Read on first use: a game that is never zoomed does not wait for the large set.
const QImage& Pictures::large(const QString& name) const {
  if (!images_.contains(name)) return unknownLarge_;
  const auto found = large_.find(name);
  if (found != large_.end()) return found->second;
  const QString file = name + QString::fromLatin1(plaatje::kLargeSuffix) + QStringLiteral(".png");
  QImage large(folder_ + file);
  if (large.size() != get(name).size() * plaatje::kLargeScale) {
    missingLarge_.append(name);
    std::fprintf(stderr,
                 "dwaalbos: plaatjes/%s is missing or damaged; zoomed, %s is enlarged "
                 "from the normal picture instead\n",
                 qPrintable(file), qPrintable(name));
    large = enlarged(get(name));
  }
  // The reader takes "@4x" for a device pixel ratio; these pictures are placed by pixel.
  large.setDevicePixelRatio(1);
  return large_.emplace(name, large.convertToFormat(QImage::Format_RGB32)).first->second;
}

bool Pictures::hasLarge(const QString& name) const {
  large(name);
  return images_.contains(name) && !missingLarge_.contains(name);
}

QImage Pictures::withMask(const QString& name, const QString& maskName, bool large) const {
  QImage result = (large ? this->large(name) : get(name)).convertToFormat(QImage::Format_ARGB32);
  const QImage& mask = large ? this->large(maskName) : get(maskName);
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
