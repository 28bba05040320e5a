#pragma once

#include <optional>

namespace dwaalbos {

// Whether a key (a Qt::Key) is held down at this moment, asked of the display server itself,
// as the game's loops expect of a key state. Key events report the same only once they are
// handled, and the loops handle events only between moves, so a key let go during a move
// would still look held after it. Nothing when the display cannot be asked (the offscreen
// platform of the tests, Wayland), while another program has the keyboard, or for keys the
// game does not poll.
std::optional<bool> keyDownNow(int key);

}  // namespace dwaalbos
