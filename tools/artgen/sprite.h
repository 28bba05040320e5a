#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace artgen {

// How a solid part looks: its colour and how strongly it is lit from the top left.
struct Material {
  QColor base;
  int light = 125;  // lighter() factor at the top-left corner
  int shade = 135;  // darker() factor at the bottom-right corner
};

// A picture built from solid parts. Every part is filled, lit from the top left, bevelled
// and outlined by one darker pixel; its pixels are either fully there or not at all, so the
// picture on white and its mask match exactly, without a light fringe on the board.
// Parts and details are given in the picture's own pixels; at `scale` the picture is drawn
// that many times as large, its outline and rims as thick.
class Sprite {
 public:
  using Detail = std::function<void(QPainter&)>;

  Sprite(int width, int height, int scale = 1);

  // Adds a part over what is there. `detail` paints on the part before it is lit and
  // outlined, clipped to the part's shape (coordinates of the whole sprite).
  void addPart(const QPainterPath& shape, const Material& material, const Detail& detail = {});
  // A part without its own outline and bevel (markings on an existing part, soft floors).
  void addFlat(const QPainterPath& shape, const Material& material, const Detail& detail = {});
  // Paints over the existing parts only; what falls outside them is dropped.
  void paintOver(const Detail& detail);
  QImage picture() const;  // the object on white, Format_RGB32
  QImage mask() const;     // black where the object is, white elsewhere, Format_RGB32
  const QImage& layer() const { return canvas_; }

 private:
  QImage newLayer() const;
  QImage paintPart(const QPainterPath& shape, const Material& material, const Detail& detail) const;
  void finishPart(QImage& part) const;
  void over(const QImage& part);

  int scale_;
  QImage canvas_;
};

// Makes every pixel either opaque (alpha at least half; colour un-premultiplied) or empty.
void harden(QImage& layer);

// A colour a fraction t (0..1) of the way to another.
QColor mix(const QColor& a, const QColor& b, double t);

}  // namespace artgen
