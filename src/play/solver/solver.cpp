#include "solver.h"

#include <algorithm>
#include <array>
#include <vector>

#include "search_moves.h"

namespace dwaalbos {

Solution solve(const Doolhof& level, std::size_t stateLimit, std::stop_token stop) {
  return solveFrom(levelStart(level), stateLimit, stop);
}

std::optional<std::size_t> placeOnWay(const GameState& state, const GameState& start,
                                      std::string_view moves) {
  auto sameGame = [&state](GameState now) {
    now.richting = state.richting;
    return now == state;
  };
  GameState game = start;
  for (std::size_t played = 0;; ++played) {
    if (sameGame(game)) return played;
    if (played == moves.size()) return std::nullopt;
    game = play(game, letterKey(moves[played]), kQuietRules).next;
  }
}

Solution solveFrom(const GameState& start, std::size_t stateLimit, std::stop_token stop) {
  const CompactCodec codec(start);
  StateStore store(codec.bytes());
  search::Children children(codec.bytes());
  codec.pack(start, children.next());
  children.keep(store, 0);
  children.store(store, StateStore::kNone);

  GameState before = start;
  Solution result;
  std::uint32_t next = 0;
  stateLimit = std::min(stateLimit, StateStore::kMostStates);
  for (; next < store.size() && store.size() < stateLimit; ++next) {
    if (next % search::kStatesBetweenStopChecks == 0 && stop.stop_requested()) break;
    const auto stored = store.state(next);  // stays where it is while the store grows
    codec.unpack(stored, before);
    const bool open = search::expand(
        codec, before, stored, [&] { return children.next(); },
        [&](int move) {
          children.store(store, next);
          result.moves = search::pathTo(store, next, move);
          return false;
        },
        [&](int move, const GameState&) {
          children.keep(store, move);
          return true;
        });
    if (!open) {
      result.solvable = true;
      break;
    }
    children.store(store, next);
  }
  result.states = store.size();
  result.bytes = store.bytesUsed();
  result.limitReached = !result.solvable && next < store.size();
  return result;
}

}  // namespace dwaalbos
