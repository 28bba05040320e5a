#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game_state.h"
#include "play_types.h"

namespace dwaalbos {

// The letters of the move keys, as solutions and the best solutions file write them; a
// solution's move is numbered by its place here.
inline constexpr std::array<std::pair<GameKey, char>, 5> kMoveLetters = {{{GameKey::Left, 'L'},
                                                                          {GameKey::Right, 'R'},
                                                                          {GameKey::Up, 'U'},
                                                                          {GameKey::Down, 'D'},
                                                                          {GameKey::Space, 'S'}}};

// The key of a letter; Enter for none.
GameKey letterKey(char letter);
// The keys of a solution's letters, in order.
std::vector<GameKey> keysOf(std::string_view letters);

// The letters of the keys that lead through `states`, each from the one before it (the way
// he faces aside); nothing when one of them follows its predecessor by no single key.
std::optional<std::string> lettersThrough(std::span<const GameState> states);

}  // namespace dwaalbos
