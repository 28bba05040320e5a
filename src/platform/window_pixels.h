#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

class QWidget;

namespace dwaalbos {

// Shows a few changed pixels of a widget's picture at once. They are written straight into the
// window's backing store and sent from there, without a paint event: a paint event first waits
// for the display to finish reading the last one (a round trip every frame) and copies a whole
// rectangle where a few scattered pixels changed.
// `picture` is shown at `at` in `widget`, pixel for pixel; `blocks` are the rectangles of
// `picture` that changed; `covered` is a part of `widget` hidden by a child, left as it is.
// False, having done nothing, where the display does not read the store's memory itself (no
// shared memory, another window system) or the window is scaled or not shown: then repaint.
bool showPixelsAtOnce(QWidget& widget, const QImage& picture, QPoint at,
                      const std::vector<QRect>& blocks, QRect covered);

}  // namespace dwaalbos
