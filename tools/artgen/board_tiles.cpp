// Walls and arrows: tiles that fill their square and are pasted without a mask.
#include "gallery.h"
#include "noise.h"
#include "palette.h"
#include "shapes.h"
#include "sprite.h"

namespace artgen {

namespace {

using namespace palette;

// A hedge block: leaf clumps over a dark green core, lighter towards the top left.
QImage muur(int scale) {
  Sprite sprite(40, 40, scale);
  sprite.addPart(shapes::rect(0, 0, 40, 40), {kHedgeDark, 130, 140}, [](QPainter& p) {
    Noise noise(7);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 46; ++i) {
      const double x = noise.between(-2, 42);
      const double y = noise.between(-2, 42);
      const double r = noise.between(3.2, 5.6);
      const double lit = qBound(0.0, 1.0 - (x + y) / 80.0 + noise.between(-0.15, 0.15), 1.0);
      p.setBrush(mix(kHedgeDark, kHedge, 0.5).darker(115));
      p.drawEllipse(QPointF(x + 1.0, y + 1.2), r, r);
      p.setBrush(mix(kHedge, kLeaf, lit));
      p.drawEllipse(QPointF(x, y), r, r);
      p.setBrush(mix(kLeaf, kLeafLight, lit));
      p.drawEllipse(QPointF(x - r * 0.35, y - r * 0.35), r * 0.38, r * 0.38);
    }
  });
  return sprite.picture();
}

// Running water, its ripples drawn along the flow (pointing right before turning).
void water(Sprite& sprite, double degrees) {
  sprite.addFlat(shapes::rect(0, 0, 40, 40), {kWater, 112, 112}, [degrees](QPainter& p) {
    p.translate(20, 20);
    p.rotate(degrees);
    p.translate(-20, -20);
    Noise noise(11);
    for (int i = 0; i < 16; ++i) {
      const double x = noise.between(-10, 44);
      const double y = noise.between(-6, 46);
      const double length = noise.between(5, 11);
      p.setPen(
          QPen(mix(kWater, kCream, noise.between(0.35, 0.6)), 1.4, Qt::SolidLine, Qt::RoundCap));
      QPainterPath ripple;
      ripple.moveTo(x, y);
      ripple.quadTo(x + length / 2, y - 1.4, x + length, y);
      p.drawPath(ripple);
    }
  });
  sprite.addFlat(shapes::rect(0, 0, 40, 1), {kWater.darker(118), 100, 100});
  sprite.addFlat(shapes::rect(0, 0, 1, 40), {kWater.darker(118), 100, 100});
}

// A bold arrow pointing right; the turn makes the other three.
QPainterPath arrowRight() {
  const QPainterPath shaft = shapes::rounded(3, 14, 20, 12, 2);
  const QPainterPath head = shapes::polygon({{17, 3}, {37.5, 20}, {17, 37}});
  return shaft.united(head);
}

QImage pijl(double degrees, int scale) {
  Sprite sprite(40, 40, scale);
  water(sprite, degrees);
  sprite.addPart(shapes::turned(arrowRight(), degrees), {kCream, 108, 128});
  return sprite.picture();
}

// The crossroads: arrow heads to all four sides around a round middle.
QImage vierpijl(int scale) {
  Sprite sprite(40, 40, scale);
  water(sprite, 0);
  QPainterPath cross = shapes::circle(20, 20, 6.5);
  for (int quarter = 0; quarter < 4; ++quarter) {
    const QPainterPath spoke =
        shapes::rect(20, 16.5, 9, 7)
            .united(shapes::polygon({{27.5, 12.5}, {38.5, 20}, {27.5, 27.5}}));
    cross = cross.united(shapes::turned(spoke, 90.0 * quarter));
  }
  sprite.addPart(cross, {kCream, 108, 128});
  sprite.addPart(shapes::circle(20, 20, 3), {kWater, 110, 110});
  return sprite.picture();
}

}  // namespace

void addBoardTiles(Gallery& gallery, int scale) {
  gallery.emplace_back(plaatje::kMuur, muur(scale));
  gallery.emplace_back(plaatje::kPijlrechts, pijl(0, scale));
  gallery.emplace_back(plaatje::kPijlomlaag, pijl(90, scale));
  gallery.emplace_back(plaatje::kPijllinks, pijl(180, scale));
  gallery.emplace_back(plaatje::kPijlomhoog, pijl(270, scale));
  gallery.emplace_back(plaatje::kVierpijl, vierpijl(scale));
}

}  // namespace artgen
