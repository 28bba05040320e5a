#pragma once

#include <QImage>
#include <QSize>

class QWidget;

namespace dwaalbos {

// The object of `picture` where `mask` is black, transparent elsewhere (premultiplied): a
// masked paste as one composition, so that it can be brought down to any size and keep
// smooth edges.
QImage cutOut(const QImage& picture, const QImage& mask);

// `art` brought down to `pixels` by area averaging; beyond its own size (a board above 4x) it is
// enlarged by whole pixels first (see `artAtSize`), never smeared.
QImage shrunk(const QImage& art, QSize pixels);

// How many device pixels a logical pixel of a picture `logicalWidth` wide takes on `widget`,
// rounded so that a cell of `cell` pixels is whole pixels; 1 when the widget shows it at its
// own size or smaller.
qreal artScale(const QWidget& widget, int logicalWidth, int cell);

// Makes `image` hold `scale` device pixels per logical pixel, its logical size kept and its
// content brought over. False when it already did.
bool rescale(QImage& image, qreal scale);

}  // namespace dwaalbos
