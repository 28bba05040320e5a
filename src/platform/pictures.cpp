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
    : unknown_(fallback(40, 40)), unknownLarge_(enlarged(unknown_)) {
  const QString folder = gameFolder + QStringLiteral("/plaatjes/");
  const QString largeSuffix = QString::fromLatin1(plaatje::kLargeSuffix);
  for (const auto& entry : plaatje::kAll) {
    const QString name = QString::fromLatin1(entry.name);
    QImage image(folder + name + QStringLiteral(".png"));
    if (image.isNull()) {
      missing_.append(name);
      image = fallback(entry.width, entry.height);
    }
    image.convertTo(QImage::Format_RGB32);
    QImage large(folder + name + largeSuffix + QStringLiteral(".png"));
    if (large.size() != image.size() * plaatje::kLargeScale) {
      missingLarge_.append(name);
      large = enlarged(image);
    }
    // The reader takes "@4x" for a device pixel ratio; these pictures are placed by pixel.
    large.setDevicePixelRatio(1);
    large_.insert(name, large.convertToFormat(QImage::Format_RGB32));
    images_.insert(name, image);
  }
  if (!missingLarge_.isEmpty()) {
    std::fprintf(stderr,
                 "dwaalbos: %lld large pictures are missing or damaged (%s); zoomed, their "
                 "normal pictures are enlarged instead\n",
                 static_cast<long long>(missingLarge_.size()),
                 qPrintable(missingLarge_.join(QStringLiteral(", "))));
  }
}

const QImage& Pictures::get(const QString& name) const {
  const auto found = images_.constFind(name);
  return found == images_.constEnd() ? unknown_ : *found;
}

const QImage& Pictures::large(const QString& name) const {
  const auto found = large_.constFind(name);
  return found == large_.constEnd() ? unknownLarge_ : *found;
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
