#pragma once

#include <Qt>

#include <algorithm>
#include <array>

// Only the XK_ names: the rest of the X headers clashes with Qt's.
#include <X11/keysym.h>

namespace dwaalbos {

// A key the game plays with, as the toolkit and the X server name it.
struct GameKeyCode {
  int qt;
  unsigned long x11;
};

// Every key the game reads while it plays: the arrows, Space for the switch, and both Enters.
inline constexpr std::array<GameKeyCode, 7> kGameKeys = {{{Qt::Key_Left, XK_Left},
                                                          {Qt::Key_Right, XK_Right},
                                                          {Qt::Key_Up, XK_Up},
                                                          {Qt::Key_Down, XK_Down},
                                                          {Qt::Key_Space, XK_space},
                                                          {Qt::Key_Return, XK_Return},
                                                          {Qt::Key_Enter, XK_KP_Enter}}};

inline bool isGameKey(int qtKey) {
  return std::ranges::any_of(kGameKeys,
                             [qtKey](const GameKeyCode& code) { return code.qt == qtKey; });
}

}  // namespace dwaalbos
