#pragma once

#include <QSize>

class QWidget;

namespace dwaalbos {

// Every box and dialog the game opens passes here: its text at the zoom step (currentZoom),
// never smaller than the panel's, and, given its size at 100 %, that size zoomed as far as
// the screen allows. The screen's pixel ratio is the toolkit's business: sizes are logical.
void zoomDialog(QWidget& dialog, QSize sizeAt100 = {});

}  // namespace dwaalbos
