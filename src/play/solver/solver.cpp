#include "solver.h"

#include <algorithm>
#include <array>
#include <vector>

#include "search_moves.h"

namespace dwaalbos {

using search::kQuiet;

Solution solve(const Doolhof& level, std::size_t stateLimit) {
  return solveFrom(levelStart(level), stateLimit);
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
    game = play(game, letterKey(moves[played]), kQuiet).next;
  }
}

// The states one state leads to, packed, waiting to be stored together: their slots in the
// table are fetched while the next ones are packed.
class Children {
 public:
  explicit Children(std::size_t bytes) : bytes_(bytes), packed_(kMoveLetters.size() * bytes) {}

  std::span<std::uint8_t> next() { return {packed_.data() + count_ * bytes_, bytes_}; }
  void keep(const StateStore& store, int move) {
    hashes_[count_] = store.hashOf(next());
    store.prefetch(hashes_[count_]);
    moves_[count_++] = move;
  }
  void store(StateStore& store, std::uint32_t parent) {
    bool added = false;
    for (std::size_t i = 0; i < count_; ++i)
      store.insert({packed_.data() + i * bytes_, bytes_}, hashes_[i], parent, moves_[i], added);
    count_ = 0;
  }

 private:
  std::size_t bytes_;
  std::vector<std::uint8_t> packed_;
  std::array<std::uint64_t, kMoveLetters.size()> hashes_{};
  std::array<int, kMoveLetters.size()> moves_{};
  std::size_t count_ = 0;
};

Solution solveFrom(const GameState& start, std::size_t stateLimit) {
  const CompactCodec codec(start);
  StateStore store(codec.bytes());
  Children children(codec.bytes());
  codec.pack(start, children.next());
  children.keep(store, 0);
  children.store(store, StateStore::kNone);

  GameState before = start;
  Solution result;
  std::uint32_t next = 0;
  stateLimit = std::min(stateLimit, StateStore::kMostStates);
  for (; next < store.size() && store.size() < stateLimit; ++next) {
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
