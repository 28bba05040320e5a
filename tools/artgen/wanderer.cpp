// The player: a small wanderer with a feathered hat and a backpack, seen from above, two
// walking frames for each of the four ways he faces.
#include <QTransform>

#include "gallery.h"
#include "palette.h"
#include "shapes.h"
#include "wanderer.h"

namespace artgen {

namespace {

using namespace palette;

const QColor kTunic{46, 92, 190};
const QColor kBoot{92, 56, 34};
const QColor kHat{132, 86, 44};
const QColor kFeather{218, 52, 46};
const QColor kHair{110, 64, 30};
const QColor kBelt{240, 196, 60};

// Draws one part, mirrored left to right for the left-facing frames.
class Figure {
 public:
  Figure(Sprite& sprite, bool mirror) : sprite_(sprite), mirror_(mirror) {}

  void part(const QPainterPath& shape, const Material& material,
            const Sprite::Detail& detail = {}) {
    const QPainterPath placed = mirror_ ? shapes::mirrored(shape) : shape;
    if (!detail) {
      sprite_.addPart(placed, material);
      return;
    }
    const bool mirror = mirror_;
    sprite_.addPart(placed, material, [detail, mirror](QPainter& p) {
      if (mirror) p.setTransform(QTransform(-1, 0, 0, 1, 40, 0), true);
      detail(p);
    });
  }

 private:
  Sprite& sprite_;
  bool mirror_;
};

void dot(QPainter& p, const QColor& colour, double x, double y, double r) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(QPointF(x, y), r, r);
}

// A feather stuck in the hat band, its quill at (x, y), leaning by `degrees`.
void feather(Figure& figure, double x, double y, double degrees) {
  figure.part(shapes::turned(shapes::ellipse(x, y - 4.5, 2.3, 5.2), degrees, x, y),
              {kFeather, 140, 130});
}

void hatFromAbove(Figure& figure) {
  figure.part(shapes::ellipse(20, 8.5, 11.5, 4.2), {kHat, 135, 130});
  figure.part(shapes::rounded(13.5, 1, 13, 8.5, 4.5), {kHat.lighter(108), 135, 130},
              [](QPainter& p) { p.fillRect(QRectF(13, 6, 14, 2.4), kHat.darker(150)); });
}

// Facing down: the face, both arms and both legs.
void front(Sprite& sprite, int frame) {
  Figure figure(sprite, false);
  const double stride = frame == 0 ? 2.5 : -2.5;
  figure.part(shapes::rounded(13.5, 27 - stride, 6, 10, 2.5), {kBoot, 130, 130});
  figure.part(shapes::rounded(20.5, 27 + stride, 6, 10, 2.5), {kBoot, 130, 130});
  figure.part(shapes::rounded(8.5, 18 + stride, 5.5, 11, 2.7), {kTunic.darker(112), 130, 130},
              [stride](QPainter& p) { dot(p, kSkin, 11.2, 27.5 + stride, 2.6); });
  figure.part(shapes::rounded(26, 18 - stride, 5.5, 11, 2.7), {kTunic.darker(112), 130, 130},
              [stride](QPainter& p) { dot(p, kSkin, 28.8, 27.5 - stride, 2.6); });
  figure.part(shapes::rounded(12, 16.5, 16, 15.5, 5), {kTunic, 135, 135}, [](QPainter& p) {
    p.fillRect(QRectF(12, 25.5, 16, 2.4), kBelt.darker(130));
    p.fillRect(QRectF(18.6, 25, 3, 3.4), kBelt);
    p.setPen(QPen(kTunic.darker(140), 1));
    p.drawLine(QPointF(20, 17), QPointF(20, 25));
  });
  figure.part(shapes::circle(20, 13.5, 7), {kSkin, 115, 125}, [](QPainter& p) {
    dot(p, kInk, 17.3, 15, 1.2);
    dot(p, kInk, 22.7, 15, 1.2);
    dot(p, QColor(236, 140, 120), 15.4, 17.4, 1.3);
    dot(p, QColor(236, 140, 120), 24.6, 17.4, 1.3);
  });
  feather(figure, 25, 7, 50);
  hatFromAbove(figure);
}

// Facing up: the back, the backpack and no face.
void back(Sprite& sprite, int frame) {
  Figure figure(sprite, false);
  const double stride = frame == 0 ? 2.5 : -2.5;
  figure.part(shapes::rounded(13.5, 27 + stride, 6, 10, 2.5), {kBoot, 130, 130});
  figure.part(shapes::rounded(20.5, 27 - stride, 6, 10, 2.5), {kBoot, 130, 130});
  figure.part(shapes::rounded(8.5, 17 - stride, 5.5, 11, 2.7), {kTunic.darker(112), 130, 130});
  figure.part(shapes::rounded(26, 17 + stride, 5.5, 11, 2.7), {kTunic.darker(112), 130, 130});
  figure.part(shapes::rounded(12, 16.5, 16, 15.5, 5), {kTunic, 135, 135});
  figure.part(shapes::rounded(13, 17, 14, 13.5, 3.5), {kHat.darker(105), 130, 130},
              [](QPainter& p) {
                p.fillRect(QRectF(13, 17, 14, 4.5), kHat.darker(130));
                p.fillRect(QRectF(18.7, 20.5, 2.6, 3), kBelt);
              });
  figure.part(shapes::circle(20, 13, 7), {kHair, 120, 125});
  hatFromAbove(figure);
  feather(figure, 15, 7, -50);
}

// Facing right (mirrored: left): the profile, the backpack behind him, a striding pair of legs.
void side(Sprite& sprite, int frame, bool mirror) {
  Figure figure(sprite, mirror);
  if (frame == 0) {
    figure.part(shapes::line({{18.5, 28}, {14.5, 35}}, 5.6), {kBoot.darker(110), 130, 130});
    figure.part(shapes::line({{21.5, 28}, {25.5, 35}}, 5.6), {kBoot, 130, 130});
  } else {
    figure.part(shapes::line({{19.5, 28}, {18.5, 35.5}}, 5.6), {kBoot.darker(110), 130, 130});
    figure.part(shapes::line({{21, 28}, {22.5, 35}}, 5.6), {kBoot, 130, 130});
  }
  figure.part(shapes::rounded(8.5, 16, 9, 14, 3), {kHat.darker(105), 130, 130},
              [](QPainter& p) { p.fillRect(QRectF(8.5, 16, 9, 4.5), kHat.darker(130)); });
  figure.part(shapes::rounded(14, 16.5, 13, 14.5, 5), {kTunic, 135, 135},
              [](QPainter& p) { p.fillRect(QRectF(14, 25.5, 13, 2.4), kBelt.darker(130)); });
  const QPointF hand = frame == 0 ? QPointF(25.5, 26.5) : QPointF(18, 27);
  figure.part(shapes::line({{20.5, 19.5}, hand}, 4.8), {kTunic.darker(112), 130, 130},
              [hand](QPainter& p) { dot(p, kSkin, hand.x(), hand.y(), 2.3); });
  const QPainterPath head = shapes::circle(21, 13.5, 7).united(shapes::circle(27.6, 15.4, 2));
  figure.part(head, {kSkin, 115, 125}, [](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kHair);
    p.drawEllipse(QPointF(16, 13), 4.5, 6);
    dot(p, kInk, 24.8, 14.5, 1.2);
    dot(p, QColor(236, 140, 120), 23.2, 17.4, 1.3);
  });
  feather(figure, 15.5, 7, -55);
  figure.part(shapes::ellipse(21.5, 8.3, 11, 3.8), {kHat, 135, 130});
  figure.part(shapes::rounded(15, 1, 12.5, 8.5, 4.5), {kHat.lighter(108), 135, 130},
              [](QPainter& p) { p.fillRect(QRectF(14.5, 6, 13.5, 2.4), kHat.darker(150)); });
}

Sprite frameOf(int facingRow, int frame, int scale) {
  Sprite sprite(40, 40, scale);
  switch (facingRow) {
    case 0: back(sprite, frame); break;
    case 1: side(sprite, frame, false); break;
    case 2: front(sprite, frame); break;
    default: side(sprite, frame, true); break;
  }
  return sprite;
}

}  // namespace

QImage wandererFace(const QColor& hat, const QColor& tunic, int scale) {
  Sprite sprite(40, 40, scale);
  Figure figure(sprite, false);
  figure.part(shapes::rounded(7, 24, 26, 20, 8), {tunic, 135, 135});
  figure.part(shapes::circle(20, 20, 10), {kSkin, 115, 125}, [](QPainter& p) {
    dot(p, kInk, 16.3, 21, 1.5);
    dot(p, kInk, 23.7, 21, 1.5);
    dot(p, QColor(236, 140, 120), 14, 24.5, 1.8);
    dot(p, QColor(236, 140, 120), 26, 24.5, 1.8);
    p.setPen(QPen(kInk, 1.1));
    p.drawArc(QRectF(17, 22.5, 6, 4), 200 * 16, 140 * 16);
  });
  figure.part(shapes::ellipse(20, 13, 15, 5.5), {hat, 135, 130});
  figure.part(shapes::rounded(11.5, 1, 17, 12, 6), {hat.lighter(108), 135, 130},
              [hat](QPainter& p) { p.fillRect(QRectF(11, 8.5, 18, 3), hat.darker(150)); });
  feather(figure, 27, 9, 55);
  return sprite.layer();
}

void addWanderer(Gallery& gallery, int scale) {
  QImage picture(80 * scale, 160 * scale, QImage::Format_RGB32);
  QImage mask(80 * scale, 160 * scale, QImage::Format_RGB32);
  QPainter toPicture(&picture);
  QPainter toMask(&mask);
  for (int row = 0; row < 4; ++row) {
    for (int frame = 0; frame < 2; ++frame) {
      const Sprite sprite = frameOf(row, frame, scale);
      const QPoint at(frame * 40 * scale, row * 40 * scale);
      toPicture.drawImage(at, sprite.picture());
      toMask.drawImage(at, sprite.mask());
    }
  }
  toPicture.end();
  toMask.end();
  gallery.emplace_back(plaatje::kMan, picture);
  gallery.emplace_back(plaatje::kManmask, mask);
}

}  // namespace artgen
