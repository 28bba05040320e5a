#include "sprite.h"

#include <QLinearGradient>

#include <vector>

namespace artgen {

namespace {

bool solid(const QImage& layer, int x, int y) {
  return layer.valid(x, y) && qAlpha(layer.pixel(x, y)) == 255;
}

QRgb scaled(QRgb pixel, double factor) {
  return qRgb(qBound(0, qRound(qRed(pixel) * factor), 255),
              qBound(0, qRound(qGreen(pixel) * factor), 255),
              qBound(0, qRound(qBlue(pixel) * factor), 255));
}

QRgb towardWhite(QRgb pixel, double t) {
  return qRgb(qRound(qRed(pixel) + (255 - qRed(pixel)) * t),
              qRound(qGreen(pixel) + (255 - qGreen(pixel)) * t),
              qRound(qBlue(pixel) + (255 - qBlue(pixel)) * t));
}

// Drops the pixels that the fill alone leaves less than half covered.
void keepOutline(QImage& part, const QImage& filled) {
  for (int y = 0; y < part.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
    const auto* fill = reinterpret_cast<const QRgb*>(filled.constScanLine(y));
    for (int x = 0; x < part.width(); ++x) {
      if (qAlpha(fill[x]) < 128) line[x] = 0;
    }
  }
}

}  // namespace

QColor mix(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                          a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t);
}

void harden(QImage& layer) {
  for (int y = 0; y < layer.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
    for (int x = 0; x < layer.width(); ++x) {
      const int alpha = qAlpha(line[x]);
      if (alpha < 128) {
        line[x] = 0;
        continue;
      }
      const auto channel = [alpha](int value) { return qMin(255, value * 255 / alpha); };
      line[x] =
          qRgba(channel(qRed(line[x])), channel(qGreen(line[x])), channel(qBlue(line[x])), 255);
    }
  }
}

Sprite::Sprite(int width, int height, int scale)
    : scale_(scale), canvas_(width * scale, height * scale, QImage::Format_ARGB32) {
  canvas_.fill(Qt::transparent);
}

QImage Sprite::newLayer() const {
  QImage layer(canvas_.size(), QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  return layer;
}

QImage Sprite::paintPart(const QPainterPath& shape, const Material& material,
                         const Detail& detail) const {
  QImage part = newLayer();
  QPainter painter(&part);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(scale_, scale_);
  const QRectF box = shape.boundingRect();
  QLinearGradient light(box.topLeft(), box.bottomRight());
  light.setColorAt(0, material.base.lighter(material.light));
  light.setColorAt(0.5, material.base);
  light.setColorAt(1, material.base.darker(material.shade));
  painter.fillPath(shape, light);
  // In the large pictures details only colour the part: the part's own outline decides which
  // pixels it holds, so that parts of one shape keep one outline whatever is painted on them.
  // The pictures at their own size keep the look they were first made with.
  const bool ownOutline = detail && scale_ > 1;
  const QImage filled = ownOutline ? part.copy() : QImage();
  if (detail) {
    painter.setClipPath(shape);
    detail(painter);
  }
  painter.end();
  part = part.convertToFormat(QImage::Format_ARGB32);
  if (ownOutline) keepOutline(part, filled);
  harden(part);
  return part;
}

void Sprite::addPart(const QPainterPath& shape, const Material& material, const Detail& detail) {
  QImage part = paintPart(shape, material, detail);
  finishPart(part);
  over(part);
}

void Sprite::addFlat(const QPainterPath& shape, const Material& material, const Detail& detail) {
  over(paintPart(shape, material, detail));
}

// One darker pixel all round; inside it a lighter rim at the top left and a darker one at the
// bottom right. At a larger scale each is `scale_` pixels thick.
void Sprite::finishPart(QImage& part) const {
  const QImage before = part;
  const int width = part.width();
  const int reach = scale_;
  const auto inside = [&](int x, int y) { return solid(before, x, y); };
  std::vector<bool> edges(static_cast<std::size_t>(width) * part.height());
  for (int y = 0; y < part.height(); ++y) {
    for (int x = 0; x < width; ++x) {
      if (!inside(x, y)) continue;
      for (int d = 1; d <= reach && !edges[y * width + x]; ++d) {
        edges[y * width + x] =
            !inside(x - d, y) || !inside(x + d, y) || !inside(x, y - d) || !inside(x, y + d);
      }
    }
  }
  const auto edge = [&](int x, int y) { return part.valid(x, y) && edges[y * width + x]; };
  const auto edgeToward = [&](int x, int y, int dx, int dy) {
    for (int d = 1; d <= reach; ++d) {
      if (edge(x + dx * d, y + dy * d)) return true;
    }
    return false;
  };
  for (int y = 0; y < part.height(); ++y) {
    for (int x = 0; x < width; ++x) {
      if (!inside(x, y)) continue;
      const QRgb pixel = before.pixel(x, y);
      if (edge(x, y)) {
        part.setPixel(x, y, scaled(pixel, 0.45) | 0xFF000000u);
      } else if (edgeToward(x, y, -1, 0) || edgeToward(x, y, 0, -1)) {
        part.setPixel(x, y, towardWhite(pixel, 0.35) | 0xFF000000u);
      } else if (edgeToward(x, y, 1, 0) || edgeToward(x, y, 0, 1)) {
        part.setPixel(x, y, scaled(pixel, 0.8) | 0xFF000000u);
      }
    }
  }
}

void Sprite::over(const QImage& part) {
  for (int y = 0; y < canvas_.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(part.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(canvas_.scanLine(y));
    for (int x = 0; x < canvas_.width(); ++x) {
      if (qAlpha(from[x]) == 255) to[x] = from[x];
    }
  }
}

void Sprite::paintOver(const Detail& detail) {
  const QImage before = canvas_;
  {
    QPainter painter(&canvas_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale_, scale_);
    detail(painter);
  }
  for (int y = 0; y < canvas_.height(); ++y) {
    for (int x = 0; x < canvas_.width(); ++x) {
      canvas_.setPixel(x, y, solid(before, x, y) ? (canvas_.pixel(x, y) | 0xFF000000u) : 0u);
    }
  }
}

QImage Sprite::picture() const {
  QImage result(canvas_.size(), QImage::Format_RGB32);
  for (int y = 0; y < canvas_.height(); ++y) {
    for (int x = 0; x < canvas_.width(); ++x) {
      const QRgb pixel = canvas_.pixel(x, y);
      result.setPixel(x, y, qAlpha(pixel) == 255 ? (pixel | 0xFF000000u) : 0xFFFFFFFFu);
    }
  }
  return result;
}

QImage Sprite::mask() const {
  QImage result(canvas_.size(), QImage::Format_RGB32);
  for (int y = 0; y < canvas_.height(); ++y) {
    for (int x = 0; x < canvas_.width(); ++x) {
      result.setPixel(x, y, qAlpha(canvas_.pixel(x, y)) == 255 ? 0xFF000000u : 0xFFFFFFFFu);
    }
  }
  return result;
}

}  // namespace artgen
