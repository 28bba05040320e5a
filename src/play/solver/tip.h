#pragma once

#include <cstddef>
#include <stop_token>
#include <string_view>

#include "play/rules/game_state.h"
#include "play/rules/play_types.h"

namespace dwaalbos {

// The next step towards the end square from a game under way.
struct Tip {
  enum class Kind {
    Step,     // press `key`; the square to step to (his own for Space) is `col`, `row`
    Lost,     // the end square can no longer be reached from here
    TooHard,  // the search gave up before it knew
  };
  Kind kind = Kind::TooHard;
  GameKey key = GameKey::Enter;
  int col = 0;
  int row = 0;
};

// Bounded so that a tip never keeps the window waiting for long.
inline constexpr std::size_t kTipStates = 200'000;

// A way known to complete the level from its start: the shortest solution of a standard level.
struct KnownWay {
  GameState start;
  std::string_view moves;
};

// A game on the known way gets its next key at once; any other is searched, until `stop`.
Tip tipFrom(const GameState& state, const KnownWay& known = {}, std::size_t stateLimit = kTipStates,
            std::stop_token stop = {});

}  // namespace dwaalbos
