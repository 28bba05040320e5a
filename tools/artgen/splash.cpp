// The introduction screen: a clearing in a pine forest with a sheet of paper in the middle,
// at (40, 48) to (360, 262), on which the level's name, maker and comment are shown.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "gallery.h"
#include "noise.h"
#include "palette.h"
#include "parchment.h"
#include "sprite.h"

namespace artgen {

namespace {

using namespace palette;

constexpr QRectF kPaper(40, 48, 320, 214);

// A pine of tiers of needles, lit from the left; its trunk only shows below the lowest tier.
void pine(QPainter& p, double x, double base, double height, const QColor& colour) {
  const double width = height * 0.46;
  p.setBrush(kWoodDark.darker(170));
  p.drawRect(QRectF(x - width * 0.05, base - height * 0.08, width * 0.1, height * 0.08));
  for (int tier = 0; tier < 4; ++tier) {
    const double bottom = base - height * (0.06 + tier * 0.2);
    const double half = width * (0.5 - tier * 0.1);
    const double top = bottom - height * 0.36;
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({{x - half, bottom}, {x, top}, {x + half, bottom}}));
    p.setBrush(colour.lighter(118));
    p.drawPolygon(QPolygonF({{x - half, bottom}, {x, top}, {x - half * 0.25, bottom}}));
  }
}

void forest(QPainter& p) {
  QLinearGradient sky(0, 0, 0, 300);
  sky.setColorAt(0, QColor(20, 52, 36));
  sky.setColorAt(0.6, QColor(64, 112, 72));
  sky.setColorAt(1, QColor(150, 186, 110));
  p.fillRect(QRectF(0, 0, 400, 300), sky);
  p.setPen(Qt::NoPen);
  Noise noise(5);
  const QColor layers[] = {QColor(72, 116, 78), QColor(46, 88, 58), QColor(26, 62, 40)};
  for (int layer = 0; layer < 3; ++layer) {
    const double step = 34 - layer * 6;
    for (double x = noise.between(-20, 0); x < 420; x += noise.between(step * 0.7, step * 1.3)) {
      const double height = noise.between(110, 170) + layer * 45;
      pine(p, x, 296 + layer * 2 + noise.between(-4, 4), height, layers[layer]);
    }
  }
  p.setBrush(QColor(84, 138, 62));
  p.drawRect(QRectF(0, 288, 400, 12));
  p.setPen(QPen(QColor(60, 110, 48), 1.2));
  for (int i = 0; i < 90; ++i) {
    const double x = noise.between(0, 400);
    const double y = noise.between(290, 300);
    p.drawLine(QPointF(x, y), QPointF(x + noise.between(-2, 2), y - noise.between(3, 6)));
  }
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 26; ++i) {
    const QPointF at(noise.between(0, 400), noise.between(10, 280));
    QRadialGradient glow(at, 4);
    glow.setColorAt(0, QColor(255, 240, 150, 220));
    glow.setColorAt(1, QColor(255, 240, 150, 0));
    p.setBrush(glow);
    p.drawEllipse(at, 4, 4);
  }
}

void paper(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRoundedRect(kPaper.translated(4, 5), 10, 10);
  QImage sheet(kPaper.size().toSize(), QImage::Format_RGB32);
  paintParchment(sheet, 9);
  QPainterPath outline;
  outline.addRoundedRect(kPaper, 10, 10);
  p.save();
  p.setClipPath(outline);
  p.drawImage(kPaper.topLeft(), sheet);
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kWoodDark, 3));
  p.drawRoundedRect(kPaper.adjusted(1.5, 1.5, -1.5, -1.5), 9, 9);
  p.setPen(QPen(kWood.lighter(115), 1));
  p.drawRoundedRect(kPaper.adjusted(5, 5, -5, -5), 6, 6);
  paintSprig(p, kPaper.topLeft() + QPointF(2, 2), kPaper.topLeft() + QPointF(38, 22), 5, 1);
  paintSprig(p, kPaper.bottomRight() - QPointF(2, 2), kPaper.bottomRight() - QPointF(40, 20), 5,
             2);
}

}  // namespace

void addSplash(Gallery& gallery) {
  QImage image(400, 300, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  forest(p);
  paper(p);
  p.end();
  gallery.emplace_back(plaatje::kSplashachtergrond, image);
}

}  // namespace artgen
