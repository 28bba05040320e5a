#include "live_keys.h"

#include <QGuiApplication>

#include <atomic>

#include "game_keys.h"

// After Qt: the X headers define macros that Qt's names would clash with.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace dwaalbos {
namespace {

KeySym symbolOf(int key) {
  for (const GameKeyCode& code : kGameKeys)
    if (code.qt == key) return code.x11;
  return NoSymbol;
}

Display* toolkitDisplay() {
  auto* app = qGuiApp;
  if (!app) return nullptr;
  auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->display() : nullptr;
}

// Keys typed into another program are none of the game's business.
Display* activeDisplay() {
  return QGuiApplication::applicationState() == Qt::ApplicationActive ? toolkitDisplay() : nullptr;
}

// A connection of our own with a hidden window whose property changes report the server's
// time: asking on the toolkit's connection would hand the answer to the toolkit's reader.
class Clock {
 public:
  explicit Clock(const char* name) : display_(XOpenDisplay(name)) {
    if (!display_) return;
    window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, 0, 0);
    XSelectInput(display_, window_, PropertyChangeMask);
    atom_ = XInternAtom(display_, "DWAALBOS_CLOCK", False);
  }

  std::optional<std::uint32_t> now() {
    if (!display_) return std::nullopt;
    XChangeProperty(display_, window_, atom_, XA_STRING, 8, PropModeAppend, nullptr, 0);
    XEvent event;
    XWindowEvent(display_, window_, PropertyChangeMask, &event);
    return static_cast<std::uint32_t>(event.xproperty.time);
  }

 private:
  Display* display_;
  Window window_ = 0;
  Atom atom_ = 0;
};

// Counted from whichever thread asks; read by the checks from theirs.
std::atomic<std::uint64_t> oneKeyQueries = 0;
std::atomic<std::uint64_t> allKeysQueries = 0;

bool isDownIn(const char (&keys)[32], KeyCode code) {
  return (keys[code / 8] & (1 << (code % 8))) != 0;
}

}  // namespace

std::optional<bool> keyDownNow(int key) {
  Display* server = activeDisplay();
  const KeySym symbol = symbolOf(key);
  if (!server || symbol == NoSymbol) return std::nullopt;
  const KeyCode code = XKeysymToKeycode(server, symbol);
  if (code == 0) return std::nullopt;
  char keys[32];
  XQueryKeymap(server, keys);
  ++oneKeyQueries;
  return isDownIn(keys, code);
}

std::optional<std::vector<bool>> gameKeysDownNow() {
  Display* server = activeDisplay();
  if (!server) return std::nullopt;
  char keys[32];
  XQueryKeymap(server, keys);
  ++allKeysQueries;
  std::vector<bool> down;
  for (const GameKeyCode& key : kGameKeys) {
    const KeyCode code = XKeysymToKeycode(server, key.x11);
    down.push_back(code != 0 && isDownIn(keys, code));
  }
  return down;
}

KeyboardQueries keyboardQueries() { return {oneKeyQueries, allKeysQueries}; }

std::optional<std::uint32_t> displayTimeNow() {
  Display* server = toolkitDisplay();
  if (!server) return std::nullopt;
  // Kept for the program's life: closing it at exit could outlive the display server.
  static Clock* clock = new Clock(DisplayString(server));
  return clock->now();
}

}  // namespace dwaalbos
