// The objects that lie on the board and are pasted through a mask.
#include <QtMath>

#include "gallery.h"

#include "noise.h"
#include "palette.h"
#include "shapes.h"

namespace artgen {

namespace {

using namespace palette;

// Start and end share their outline: a round clearing.
QPainterPath clearing() { return shapes::circle(20, 20, 17.5); }

void footprint(QPainter& p, double x, double y, double degrees) {
  p.save();
  p.translate(x, y);
  p.rotate(degrees);
  p.setPen(Qt::NoPen);
  p.setBrush(kWoodDark);
  p.drawEllipse(QPointF(0, -2.2), 2.6, 3.6);
  p.drawEllipse(QPointF(0, 3.6), 1.9, 1.9);
  p.restore();
}

Sprite begin(int scale) {
  Sprite sprite(40, 40, scale);
  sprite.addPart(clearing(), {kGrass, 125, 125}, [](QPainter& p) {
    Noise noise(3);
    p.setPen(QPen(mix(kGrass, kHedge, 0.45), 1.1, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 18; ++i) {
      const double x = noise.between(4, 36);
      const double y = noise.between(4, 36);
      p.drawLine(QPointF(x, y), QPointF(x + noise.between(-1.2, 1.2), y - 2.6));
    }
    footprint(p, 15, 27, -8);
    footprint(p, 24, 19, 8);
    footprint(p, 16, 11, -8);
  });
  return sprite;
}

// The exit: a chequered flag planted in the clearing.
Sprite eind(int scale) {
  Sprite sprite(40, 40, scale);
  sprite.addPart(clearing(), {mix(kGrass, kHedge, 0.35), 125, 125}, [](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(mix(kGrass, kHedge, 0.7));
    p.drawEllipse(QPointF(13, 31), 6, 2.6);
  });
  sprite.addPart(shapes::rounded(11.5, 6, 3, 27, 1.2), {kWoodDark, 140, 120});
  QPainterPath flag;
  flag.moveTo(14, 7);
  flag.cubicTo(20, 4.5, 25, 9, 31, 6.5);
  flag.lineTo(31, 19.5);
  flag.cubicTo(25, 22, 20, 17.5, 14, 20);
  flag.closeSubpath();
  sprite.addPart(flag, {QColor(236, 236, 230), 105, 120}, [](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 46));
    for (int row = 0; row < 4; ++row) {
      for (int column = 0; column < 5; ++column) {
        if ((row + column) % 2) continue;
        const double x = 14 + column * 3.4;
        const double wave = 1.6 * qSin((x - 14) / 17.0 * 6.28);
        p.drawRect(QRectF(x, 4 + row * 3.8 - wave, 3.4, 3.8));
      }
    }
  });
  return sprite;
}

// A golden key, drawn lying flat and then turned to point to the bottom right.
Sprite sleutel(int scale) {
  QPainterPath key = shapes::circle(9, 20, 8).subtracted(shapes::circle(8.3, 19.3, 3.2));
  key = key.united(shapes::rounded(15, 17.6, 22, 5, 1.5));
  key = key.united(shapes::rect(27, 21, 3.4, 6.4)).united(shapes::rect(32.4, 21, 3.4, 5));
  Sprite sprite(40, 40, scale);
  sprite.addPart(shapes::turned(key, 45, 21, 20), {kGold, 140, 150});
  return sprite;
}

// A golden five-pointed star with a ridge from each point to the heart, for a perfect result.
Sprite ster(int scale) {
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double angle = qDegreesToRadians(-90.0 + 36.0 * i);
    const double radius = i % 2 == 0 ? 19.0 : 8.0;
    const QPointF point(20 + radius * qCos(angle), 21 + radius * qSin(angle));
    if (i == 0) star.moveTo(point);
    else star.lineTo(point);
  }
  star.closeSubpath();
  Sprite sprite(40, 40, scale);
  sprite.addPart(star, {kGold, 140, 150}, [](QPainter& p) {
    p.setPen(QPen(kGold.darker(125), 1));
    for (int i = 0; i < 5; ++i) {
      const double angle = qDegreesToRadians(-90.0 + 72.0 * i);
      p.drawLine(QPointF(20, 21), QPointF(20 + 15 * qCos(angle), 21 + 15 * qSin(angle)));
    }
  });
  return sprite;
}

// The shape that key blocks and push blocks share.
QPainterPath block() { return shapes::rounded(2, 2, 36, 36, 4); }

// A stone block held by iron bands, with a golden lock.
Sprite sleutelblok(int scale) {
  Sprite sprite(40, 40, scale);
  sprite.addPart(block(), {kStone, 125, 135}, [](QPainter& p) {
    p.setPen(QPen(kStone.darker(140), 1));
    for (const double y : {13.5, 26.5}) p.drawLine(QPointF(2, y), QPointF(38, y));
    for (const double x : {14.5, 27.5}) p.drawLine(QPointF(x, 2), QPointF(x, 13.5));
    for (const double x : {8.5, 21.5, 32.5}) p.drawLine(QPointF(x, 13.5), QPointF(x, 26.5));
    for (const double x : {14.5, 27.5}) p.drawLine(QPointF(x, 26.5), QPointF(x, 38));
  });
  for (const double y : {6.0, 29.0}) {
    sprite.addPart(shapes::rect(2, y, 36, 5), {kIron, 130, 130}, [y](QPainter& p) {
      p.setPen(Qt::NoPen);
      p.setBrush(kIron.lighter(150));
      for (const double x : {6.0, 34.0}) p.drawEllipse(QPointF(x, y + 2.5), 1.2, 1.2);
    });
  }
  sprite.addPart(shapes::rounded(12, 10, 16, 20, 3), {kGold, 135, 150}, [](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(20, 17.5), 3, 3);
    p.drawPolygon(QPolygonF({{18.2, 18.5}, {21.8, 18.5}, {23, 26}, {17, 26}}));
  });
  return sprite;
}

// A wooden crate: a frame of boards, planks inside and a diagonal brace.
Sprite duwblok(int scale) {
  Sprite sprite(40, 40, scale);
  sprite.addPart(block(), {kWood, 125, 135}, [](QPainter& p) {
    p.setPen(QPen(kWood.darker(135), 1));
    for (const double x : {14.5, 20.5, 26.5}) p.drawLine(QPointF(x, 7), QPointF(x, 33));
    p.setPen(QPen(kWoodDark, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(7.5, 7.5, 25, 25));
  });
  sprite.addPart(shapes::line({{10, 30}, {30, 10}}, 5.5), {kWood.darker(112), 130, 130});
  sprite.paintOver([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kIron);
    for (const QPointF nail : {QPointF(5, 5), QPointF(35, 5), QPointF(5, 35), QPointF(35, 35)}) {
      p.drawEllipse(nail, 1.3, 1.3);
    }
  });
  return sprite;
}

// The enemy: a big forest spider.
Sprite vijand(int scale) {
  Sprite sprite(40, 40, scale);
  QPainterPath legs;
  for (const int side : {-1, 1}) {
    for (int i = 0; i < 4; ++i) {
      const double y = 13 + i * 5.0;
      const double reach = i < 2 ? -4.0 : 4.0;
      legs = legs.united(shapes::line({{20 + side * 4.0, y + 2},
                                       {20 + side * 13.0, y - 3 + reach * 0.3},
                                       {20 + side * 18.0, y + 2 + reach}},
                                      2.6));
    }
  }
  sprite.addPart(legs, {kPurple.darker(130), 130, 130});
  sprite.addPart(shapes::ellipse(20, 25.5, 10, 10.5), {kPurple, 140, 140}, [](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kPurple.lighter(160));
    p.drawPolygon(QPolygonF({{20, 21}, {24, 26}, {20, 31}, {16, 26}}));
  });
  sprite.addPart(shapes::circle(20, 13, 7), {kPurple.darker(115), 140, 130});
  sprite.paintOver([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawEllipse(QPointF(17, 12.5), 2.4, 2.4);
    p.drawEllipse(QPointF(23, 12.5), 2.4, 2.4);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(17.4, 13), 1.1, 1.1);
    p.drawEllipse(QPointF(22.6, 13), 1.1, 1.1);
    p.setPen(QPen(kInk, 1.3));
    p.drawLine(QPointF(14.5, 9), QPointF(19, 10.8));
    p.drawLine(QPointF(25.5, 9), QPointF(21, 10.8));
  });
  return sprite;
}

}  // namespace

void addBoardObjects(Gallery& gallery, int scale) {
  const Sprite start = begin(scale);
  const Sprite end = eind(scale);
  addMasked(gallery, plaatje::kBegin, start, plaatje::kBeginmask);
  addSharingMask(gallery, plaatje::kEind, end, start);

  const Sprite key = sleutel(scale);
  addMasked(gallery, plaatje::kSleutel, key, plaatje::kSleutelmask);

  const Sprite crate = duwblok(scale);
  addMasked(gallery, plaatje::kDuwblok, crate, plaatje::kDuwblokmask);
  addSharingMask(gallery, plaatje::kSleutelblok, sleutelblok(scale), crate);

  addMasked(gallery, plaatje::kVijand, vijand(scale), plaatje::kVijandmask);
  addMasked(gallery, plaatje::kSter, ster(scale), plaatje::kStermask);
}

}  // namespace artgen
