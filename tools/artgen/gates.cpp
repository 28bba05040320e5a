// The switch and the red and blue gates. Red parts are round and blue parts square, so the two
// colours also differ in shape; a closed gate fills its square with bars, an open one shows
// only its posts and the lowered bars in the ground.
#include "gallery.h"
#include "palette.h"
#include "shapes.h"

namespace artgen {

namespace {

using namespace palette;

enum class Colour { Red, Blue };

QColor colourOf(Colour colour) { return colour == Colour::Red ? kRed : kBlue; }
QColor deepOf(Colour colour) { return colour == Colour::Red ? kRedDeep : kBlueDeep; }

// A round stud for red, a square one for blue.
QPainterPath stud(Colour colour, double cx, double cy, double size) {
  return colour == Colour::Red ? shapes::circle(cx, cy, size / 2)
                               : shapes::rect(cx - size / 2, cy - size / 2, size, size);
}

// The switch: a stone plate with a lever, thrown left to a round red knob or right to a
// square blue one.
Sprite schakelaar(Colour colour, int scale) {
  Sprite sprite(40, 40, scale);
  sprite.addPart(shapes::rounded(4, 4, 32, 32, 6), {kStone, 130, 135}, [](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kIron.darker(130));
    p.drawRoundedRect(QRectF(11, 26, 18, 5), 2.5, 2.5);
  });
  const bool red = colour == Colour::Red;
  const QPointF knob(red ? 13 : 27, 13);
  sprite.addPart(shapes::line({{20, 28.5}, knob}, 3.4), {kIron.lighter(125), 140, 130});
  sprite.addPart(stud(colour, knob.x(), knob.y(), red ? 13 : 12), {colourOf(colour), 150, 140});
  return sprite;
}

void addPosts(Sprite& sprite, Colour colour) {
  for (const double x : {1.0, 30.0}) {
    sprite.addPart(shapes::rounded(x, 1, 9, 38, 2), {kWoodDark, 135, 125}, [x](QPainter& p) {
      p.setPen(QPen(kWoodDark.darker(125), 1));
      p.drawLine(QPointF(x + 4.5, 14), QPointF(x + 4.5, 36));
    });
    sprite.addPart(stud(colour, x + 4.5, 6.5, 7), {colourOf(colour), 150, 140});
  }
}

Sprite dicht(Colour colour, int scale) {
  Sprite sprite(40, 40, scale);
  sprite.addPart(shapes::rect(8, 4, 24, 32), {deepOf(colour), 120, 120});
  const Material bar{colourOf(colour), 145, 140};
  if (colour == Colour::Red) {
    for (const double x : {11.5, 17.5, 23.5}) {
      sprite.addPart(shapes::rounded(x, 4, 5, 32, 2.5), bar);
    }
    for (const double x : {14.0, 20.0, 26.0}) {
      for (const double y : {11.0, 29.0}) sprite.addPart(shapes::circle(x, y, 3.2), bar);
    }
  } else {
    QPainterPath grid;
    for (const double x : {12.0, 24.0}) grid = grid.united(shapes::rect(x, 4, 4, 32));
    for (const double y : {10.0, 22.0}) grid = grid.united(shapes::rect(8, y, 24, 4));
    sprite.addPart(grid, bar);
    for (const double x : {14.0, 26.0}) {
      for (const double y : {12.0, 24.0}) sprite.addPart(stud(colour, x, y, 6.5), bar);
    }
  }
  addPosts(sprite, colour);
  return sprite;
}

Sprite open(Colour colour, int scale) {
  Sprite sprite(40, 40, scale);
  sprite.addPart(shapes::rect(8, 31, 24, 6), {deepOf(colour), 120, 120});
  for (const double x : {14.0, 20.0, 26.0}) {
    sprite.addPart(stud(colour, x, 34, 4.6), {colourOf(colour), 145, 140});
  }
  addPosts(sprite, colour);
  return sprite;
}

}  // namespace

void addGates(Gallery& gallery, int scale) {
  const Sprite red = schakelaar(Colour::Red, scale);
  addMasked(gallery, plaatje::kSchakr, red, plaatje::kSchakmask);
  addSharingMask(gallery, plaatje::kSchakbl, schakelaar(Colour::Blue, scale), red);

  const Sprite blueOpen = open(Colour::Blue, scale);
  addMasked(gallery, plaatje::kBlauwin, blueOpen, plaatje::kInmask);
  addSharingMask(gallery, plaatje::kRoodin, open(Colour::Red, scale), blueOpen);

  const Sprite blueClosed = dicht(Colour::Blue, scale);
  addMasked(gallery, plaatje::kBlauwuit, blueClosed, plaatje::kUitmask);
  addSharingMask(gallery, plaatje::kRooduit, dicht(Colour::Red, scale), blueClosed);
}

}  // namespace artgen
