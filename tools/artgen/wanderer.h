#pragma once

#include <QColor>
#include <QImage>

namespace artgen {

// The wanderer's head and shoulders, 40 x 40 (times `scale`) on a transparent layer, for
// portraits.
QImage wandererFace(const QColor& hat, const QColor& tunic, int scale);

}  // namespace artgen
