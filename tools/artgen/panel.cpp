// The play window's panel: a sheet of paper behind the level's data, the status and the
// options, and the two small portraits beside the status lines; the editor's panel on the same
// paper.
#include <QPainter>

#include "gallery.h"
#include "palette.h"
#include "parchment.h"
#include "wanderer.h"

namespace artgen {

namespace {

using namespace palette;

// Where the portraits lie on the panel.
constexpr QPoint kImage2At(4, 152);
constexpr QPoint kImage3At(4, 200);

// Paper in a wooden frame, with sprigs growing in from the bottom corners.
QImage framedPaper(QSize size, int scale) {
  const int w = size.width();
  const int h = size.height();
  QImage panel(size * scale, QImage::Format_RGB32);
  paintParchment(panel, 21, scale);
  QPainter p(&panel);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  p.setPen(QPen(kWoodDark, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, w - 2, h - 2));
  p.setPen(QPen(kWood.lighter(120), 1));
  p.drawRect(QRectF(3.5, 3.5, w - 7, h - 7));
  paintSprig(p, {w - 2.0, h - 1.0}, {w - 27.0, h - 33.0}, 5, 4);
  paintSprig(p, {w - 2.0, h - 1.0}, {w - 39.0, h - 11.0}, 4, 5);
  paintSprig(p, {1, h - 1.0}, {22, h - 19.0}, 4, 6);
  return panel;
}

// A portrait over the panel's own paper, so that it joins its surroundings.
QImage portrait(const QImage& panel, QPoint at, QSize size, const QImage& face, QPoint offset,
                int scale) {
  QImage image = panel.copy(QRect(at * scale, size * scale));
  QPainter(&image).drawImage(offset * scale, face);
  return image;
}

}  // namespace

void addPanel(Gallery& gallery, int scale) {
  const QImage panel = framedPaper({167, 489}, scale);
  gallery.emplace_back(plaatje::kImage1, panel);
  // The wanderer himself, and a companion in a green hat for the second status line.
  const QImage wanderer = wandererFace({132, 86, 44}, {46, 92, 190}, scale);
  const QImage companion = wandererFace({60, 120, 60}, {150, 70, 50}, scale);
  gallery.emplace_back(plaatje::kImage2,
                       portrait(panel, kImage2At, {37, 42}, wanderer, {-2, 1}, scale));
  gallery.emplace_back(plaatje::kImage3,
                       portrait(panel, kImage3At, {38, 40}, companion, {-1, 0}, scale));
  gallery.emplace_back(plaatje::kEditorpaneel, framedPaper({186, 480}, scale));
}

}  // namespace artgen
