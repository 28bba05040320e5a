#include "parchment.h"

#include <QLineF>
#include <QPainterPath>
#include <QRadialGradient>

#include "noise.h"
#include "palette.h"
#include "sprite.h"

#include <vector>

namespace artgen {

using namespace palette;

void paintParchment(QImage& image, unsigned seed, int scale) {
  Noise noise(seed);
  const double w = image.width();
  const double h = image.height();
  std::vector<double> specks(image.width() / scale);
  for (int y = 0; y < image.height(); ++y) {
    if (y % scale == 0) {
      for (double& speck : specks) speck = noise.between(-0.012, 0.012);
    }
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const double shade = 1.0 - 0.05 * (x / w + y / h) + specks[x / scale];
      line[x] = qRgb(qBound(0, qRound(kParchment.red() * shade), 255),
                     qBound(0, qRound(kParchment.green() * shade), 255),
                     qBound(0, qRound(kParchment.blue() * shade), 255));
    }
  }
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.scale(scale, scale);
  for (int i = 0; i < 9; ++i) {
    const QPointF centre(noise.between(0, w / scale), noise.between(0, h / scale));
    const double radius = noise.between(20, 60);
    QRadialGradient stain(centre, radius);
    stain.setColorAt(0, QColor(200, 160, 100, 22));
    stain.setColorAt(1, QColor(200, 160, 100, 0));
    painter.setBrush(stain);
    painter.drawEllipse(centre, radius, radius);
  }
}

void paintSprig(QPainter& painter, QPointF root, QPointF tip, int leaves, unsigned seed) {
  Noise noise(seed);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kWoodDark, 2, Qt::SolidLine, Qt::RoundCap));
  const QLineF stem(root, tip);
  painter.drawLine(stem);
  for (int i = 0; i < leaves; ++i) {
    const double along = (i + 1.0) / (leaves + 1.0);
    const QPointF at = stem.pointAt(along);
    const double side = i % 2 ? 1 : -1;
    painter.save();
    painter.translate(at);
    painter.rotate(-stem.angle() + side * noise.between(40, 60));
    const double length = 11 - 4 * along;
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(length * 0.5, -length * 0.42, length, 0);
    leaf.quadTo(length * 0.5, length * 0.42, 0, 0);
    painter.setPen(QPen(kHedgeDark, 1));
    painter.setBrush(mix(kHedge, kLeafLight, noise.between(0.2, 0.7)));
    painter.drawPath(leaf);
    painter.setPen(QPen(kHedgeDark.lighter(130), 0.8));
    painter.drawLine(QPointF(1, 0), QPointF(length - 2, 0));
    painter.restore();
  }
  painter.restore();
}

}  // namespace artgen
