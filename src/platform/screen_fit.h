#pragma once

#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

namespace dwaalbos {

// What a shown window learns of its screen: the room the window manager's frame takes around
// its client area (nothing without a window manager) and the screen's area free for windows.
struct ScreenRoom {
  QSize frame;
  QRect available;
  bool otherScreen = false;  // the window was moved to another screen
};
ScreenRoom screenRoom(const QWidget& window, bool otherScreen = false);

// Calls `measured` with the window's room once it is on the screen in its frame (after its
// first paint: the window manager frames a window before it is drawn), and again each time
// it moves to another screen.
void watchScreenRoom(QWidget& window, std::function<void(const ScreenRoom&)> measured);

}  // namespace dwaalbos
