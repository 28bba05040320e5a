#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QWidget>

class QPainter;

namespace dwaalbos {

// A size laid out at 100 %, at `percent`.
QSize zoomed(QSize size, double percent);

// Lays out a window's widgets at `percent` (a zoom step, or any scale a resized window has): the
// geometry and size limits of every control below `root` (not of `root` itself, which its window
// sizes) and every font set on `root` or below it, as they were at 100 %, multiplied. The 100 %
// values are taken the first time a widget is zoomed, so lay the window out at 100 % first and call
// this for every change.
void zoomWidgets(QWidget& root, double percent);

// `art`, made for 100 %, at `pixels`: at a whole multiple every pixel becomes a square of
// pixels, so the edges stay sharp; between multiples it is enlarged to the next whole one
// and brought down with area averaging, never blurred by interpolating upwards.
QImage artAtSize(const QImage& art, QSize pixels);

// The picture to show for `art` at `pixels`: `art` itself at its own size, else `large` (the
// same picture drawn larger) brought down by area averaging, or without it `artAtSize`.
QImage artFor(const QImage& art, const QImage& large, QSize pixels);

// Draws `art` over `target` (the painter's logical pixels) at the device's own resolution,
// from `large` where the device needs more pixels than `art` has (see `artFor`).
void drawArt(QPainter& painter, const QRect& target, const QImage& art,
             const QImage& large = QImage());

// A picture of the game that fills its widget at any zoom, made from its large version when
// zoomed; the picture at a size is made once.
class ArtView : public QWidget {
 public:
  explicit ArtView(const QImage& art, const QImage& large = QImage(), QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage art_;
  QImage large_;
  QImage shown_;
};

}  // namespace dwaalbos
