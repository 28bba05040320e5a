#include "live_keys.h"

#include <QGuiApplication>

// After Qt: the X headers define macros that Qt's names would clash with.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace dwaalbos {
namespace {

KeySym symbolOf(int key) {
  switch (key) {
    case Qt::Key_Left: return XK_Left;
    case Qt::Key_Right: return XK_Right;
    case Qt::Key_Up: return XK_Up;
    case Qt::Key_Down: return XK_Down;
    case Qt::Key_Space: return XK_space;
    case Qt::Key_Return: return XK_Return;
    case Qt::Key_Enter: return XK_KP_Enter;
    default: return NoSymbol;
  }
}

// Keys typed into another program are none of the game's business.
Display* display() {
  auto* app = qGuiApp;
  if (!app || QGuiApplication::applicationState() != Qt::ApplicationActive) return nullptr;
  auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->display() : nullptr;
}

}  // namespace

std::optional<bool> keyDownNow(int key) {
  Display* server = display();
  const KeySym symbol = symbolOf(key);
  if (!server || symbol == NoSymbol) return std::nullopt;
  const KeyCode code = XKeysymToKeycode(server, symbol);
  if (code == 0) return std::nullopt;
  char keys[32];
  XQueryKeymap(server, keys);
  return (keys[code / 8] & (1 << (code % 8))) != 0;
}

}  // namespace dwaalbos
