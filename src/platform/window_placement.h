#pragma once

class QWidget;

namespace dwaalbos {

// Puts a window in the middle of the window it belongs to, or of the screen while that one is
// not on the screen yet (it has no place of its own then).
void placeOver(QWidget& window, const QWidget& owner);

}  // namespace dwaalbos
