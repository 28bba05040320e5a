#pragma once

#include <QImage>
#include <QSize>

namespace dwaalbos {

// The game's name over the top of the main menu, on a transparent picture of the given size
// (times `scale`, for a zoomed menu), so that the drifting dots pass between its letters.
QImage menuTitle(QSize size, int scale = 1);

}  // namespace dwaalbos
