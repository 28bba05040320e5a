#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

namespace artgen {

// Light, slightly mottled paper over a whole image, for text to stand on; an image `scale`
// times as large has the same mottling, each speck `scale` pixels wide.
void paintParchment(QImage& image, unsigned seed, int scale);

// A sprig of leaves from `root` towards `tip`, for corners and edges.
void paintSprig(QPainter& painter, QPointF root, QPointF tip, int leaves, unsigned seed);

}  // namespace artgen
