// The play window's panel: a sheet of paper behind the level's data, the status and the
// options, and the two small portraits beside the status lines.
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

QImage image1() {
  QImage panel(167, 489, QImage::Format_RGB32);
  paintParchment(panel, 21);
  QPainter p(&panel);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kWoodDark, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, 165, 487));
  p.setPen(QPen(kWood.lighter(120), 1));
  p.drawRect(QRectF(3.5, 3.5, 160, 482));
  paintSprig(p, {165, 488}, {140, 456}, 5, 4);
  paintSprig(p, {165, 488}, {128, 478}, 4, 5);
  paintSprig(p, {1, 488}, {22, 470}, 4, 6);
  return panel;
}

// A portrait over the panel's own paper, so that it joins its surroundings.
QImage portrait(const QImage& panel, QPoint at, QSize size, const QImage& face, QPoint offset) {
  QImage image = panel.copy(QRect(at, size));
  QPainter(&image).drawImage(offset, face);
  return image;
}

}  // namespace

void addPanel(Gallery& gallery) {
  const QImage panel = image1();
  gallery.emplace_back(plaatje::kImage1, panel);
  // The wanderer himself, and a companion in a green hat for the second status line.
  const QImage wanderer = wandererFace({132, 86, 44}, {46, 92, 190});
  const QImage companion = wandererFace({60, 120, 60}, {150, 70, 50});
  gallery.emplace_back(plaatje::kImage2, portrait(panel, kImage2At, {37, 42}, wanderer, {-2, 1}));
  gallery.emplace_back(plaatje::kImage3, portrait(panel, kImage3At, {38, 40}, companion, {-1, 0}));
}

}  // namespace artgen
