// The introduction screen: a sheet of paper framed in wood, with a pine forest fading into it
// from below and sprigs of leaves in the corners. Text may go anywhere inside the frame.
#include <QLinearGradient>
#include <QPainter>

#include "gallery.h"
#include "noise.h"
#include "palette.h"
#include "parchment.h"

namespace artgen {

namespace {

using namespace palette;

// A pine of tiers of needles, lit from the left.
void pine(QPainter& p, double x, double base, double height, const QColor& colour) {
  const double width = height * 0.46;
  p.setBrush(colour);
  p.drawRect(QRectF(x - width * 0.05, base - height * 0.08, width * 0.1, height * 0.08));
  for (int tier = 0; tier < 4; ++tier) {
    const double bottom = base - height * (0.06 + tier * 0.2);
    const double half = width * (0.5 - tier * 0.1);
    const double top = bottom - height * 0.36;
    p.drawPolygon(QPolygonF({{x - half, bottom}, {x, top}, {x + half, bottom}}));
  }
}

// Pines along the bottom, tall at the sides and low in the middle, fading towards the top.
void forest(QImage& image, int scale) {
  QImage trees(image.size(), QImage::Format_ARGB32_Premultiplied);
  trees.fill(Qt::transparent);
  QPainter p(&trees);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  p.setPen(Qt::NoPen);
  Noise noise(5);
  const QColor layers[] = {QColor(96, 146, 104), QColor(58, 110, 70)};
  for (int layer = 0; layer < 2; ++layer) {
    for (double x = noise.between(-20, 0); x < 420; x += noise.between(16, 30)) {
      const double fromMiddle = qAbs(x - 200) / 200;
      const double height =
          (40 + 150 * fromMiddle * fromMiddle) * (1 - 0.2 * layer) + noise.between(-8, 8);
      pine(p, x, 302, height, layers[layer]);
    }
  }
  p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
  QLinearGradient fade(0, 100, 0, 300);
  fade.setColorAt(0, QColor(0, 0, 0, 0));
  fade.setColorAt(1, QColor(0, 0, 0, 120));
  p.fillRect(QRectF(0, 0, 400, 300), fade);
  p.end();
  QPainter(&image).drawImage(0, 0, trees);
}

void frame(QImage& image, int scale) {
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kWoodDark, 6));
  p.drawRect(QRectF(3, 3, 394, 294));
  p.setPen(QPen(kWood.lighter(115), 1.5));
  p.drawRect(QRectF(8.5, 8.5, 383, 283));
  paintSprig(p, {6, 6}, {52, 30}, 6, 1);
  paintSprig(p, {6, 6}, {26, 50}, 4, 3);
  paintSprig(p, {394, 6}, {348, 30}, 6, 2);
  paintSprig(p, {394, 6}, {374, 50}, 4, 7);
}

}  // namespace

void addSplash(Gallery& gallery, int scale) {
  QImage image(400 * scale, 300 * scale, QImage::Format_RGB32);
  paintParchment(image, 9, scale);
  forest(image, scale);
  frame(image, scale);
  gallery.emplace_back(plaatje::kSplashachtergrond, image);
}

}  // namespace artgen
