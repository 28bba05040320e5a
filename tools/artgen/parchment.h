#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

namespace artgen {

// Light, slightly mottled paper over a whole image, for text to stand on.
void paintParchment(QImage& image, unsigned seed);

// A sprig of leaves from `root` towards `tip`, for corners and edges.
void paintSprig(QPainter& painter, QPointF root, QPointF tip, int leaves, unsigned seed);

// The same Comic-like font everywhere, bold when asked; falls back on DejaVu Sans.
QFont displayFont(double pixelSize, bool bold);

}  // namespace artgen
