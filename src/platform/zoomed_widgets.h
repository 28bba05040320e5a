#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QWidget>

class QPainter;

namespace dwaalbos {

// A size laid out at 100 %, at `percent`.
QSize zoomed(QSize size, int percent);

// Lays out a window's widgets at `percent`: the geometry and size limits of every control
// below `root` (not of `root` itself, which its window sizes) and every font set on `root`
// or below it, as they were at 100 %, multiplied. The 100 % values are taken the first time
// a widget is zoomed, so lay the window out at 100 % first and call this for every change.
void zoomWidgets(QWidget& root, int percent);

// `art`, made for 100 %, at `pixels`: at a whole multiple every pixel becomes a square of
// pixels, so the edges stay sharp; between multiples it is enlarged to the next whole one
// and brought down with area averaging, never blurred by interpolating upwards.
QImage artAtSize(const QImage& art, QSize pixels);

// Draws `art` over `target` (the painter's logical pixels) at the device's own resolution.
void drawArt(QPainter& painter, const QRect& target, const QImage& art);

// A picture of the game that fills its widget at any zoom.
class ArtView : public QWidget {
 public:
  explicit ArtView(const QImage& art, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage art_;
};

}  // namespace dwaalbos
