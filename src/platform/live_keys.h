#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace dwaalbos {

// Whether a key (a Qt::Key) is held down at this moment, asked of the display server itself.
// Key events report the same only once they are handled, and a release that arrives while a
// modal box has the input can be lost to the game altogether. Nothing when the display cannot
// be asked (the offscreen platform of the tests, Wayland), while another program has the
// keyboard, or for keys the game does not poll.
std::optional<bool> keyDownNow(int key);
// The same for every key the game polls (kGameKeys, in its order), in one query.
std::optional<std::vector<bool>> gameKeysDownNow();
// The queries of the display's keyboard made so far, for the checks that count them: of one
// key (keyDownNow), and of all the game's keys at once (gameKeysDownNow).
struct KeyboardQueries {
  std::uint64_t oneKey = 0;
  std::uint64_t allKeys = 0;
};
KeyboardQueries keyboardQueries();

// The display server's clock now, in the milliseconds that stamp its key events. Events stamped
// up to this time were made before this moment, even those still on their way to the game.
// Nothing where the display cannot be asked.
std::optional<std::uint32_t> displayTimeNow();

}  // namespace dwaalbos
