// A* over the compact states: the open state with the fewest moves so far plus the player's
// distance to the end (EndDistance, which never overestimates) is played first; among equals
// the one nearer the end. The first way to the end no open state can beat is the shortest.
#include <cstdint>
#include <queue>
#include <vector>

#include "end_distance.h"
#include "search_moves.h"
#include "solver.h"

namespace dwaalbos {
namespace {

// An open state: its estimate of the whole way, its distance to the end and its index in one
// number, so that the smallest is the one to play next.
class OpenStates {
 public:
  void add(std::uint32_t estimate, std::uint32_t toEnd, std::uint32_t index) {
    queue_.push(std::uint64_t{estimate} << 41 | std::uint64_t{toEnd} << 25 | index);
  }
  bool empty() const { return queue_.empty(); }
  std::uint32_t estimate() const { return static_cast<std::uint32_t>(queue_.top() >> 41); }
  std::uint32_t toEnd() const { return static_cast<std::uint32_t>(queue_.top() >> 25) & 0xFFFF; }
  std::uint32_t index() const { return static_cast<std::uint32_t>(queue_.top()) & kIndexMask; }
  void pop() { queue_.pop(); }
  std::size_t bytes() const { return queue_.size() * sizeof(std::uint64_t); }

 private:
  static constexpr std::uint32_t kIndexMask = (1u << 25) - 1;
  std::priority_queue<std::uint64_t, std::vector<std::uint64_t>, std::greater<>> queue_;
};

}  // namespace

Solution solveGuided(const GameState& start, std::size_t stateLimit) {
  const CompactCodec codec(start);
  const EndDistance toEnd(start.veld);
  const auto distance = [&](const GameState& game) {
    return toEnd.from(static_cast<std::size_t>(game.col - 1 + 12 * (game.row - 1)),
                      game.schakelaar);
  };
  StateStore store(codec.bytes());
  std::vector<std::uint8_t> packed(codec.bytes());
  std::vector<std::uint32_t> movesTo;  // the fewest moves found so far to each stored state
  std::vector<bool> played;
  OpenStates open;
  const auto reach = [&](std::uint32_t parent, int move, std::uint32_t moves,
                         std::uint16_t left) {
    bool added = false;
    const std::uint32_t index = store.insert(packed, parent, move, added);
    if (added) {
      movesTo.push_back(moves);
      played.push_back(false);
    } else if (played[index] || movesTo[index] <= moves) {
      return;
    } else {
      movesTo[index] = moves;
      store.relink(index, parent, move);
    }
    open.add(moves + left, left, index);
  };

  Solution result;
  std::uint32_t best = UINT32_MAX;  // the length of the shortest way to the end found so far
  if (distance(start) != EndDistance::kNever) {
    codec.pack(start, packed);
    reach(StateStore::kNone, 0, 0, distance(start));
  }
  stateLimit = std::min(stateLimit, StateStore::kMostStates);
  GameState before = start;
  while (!open.empty() && open.estimate() < best) {
    const std::uint32_t index = open.index();
    const std::uint32_t moves = open.estimate() - open.toEnd();
    open.pop();
    if (played[index] || movesTo[index] != moves) continue;  // played, or reached shorter since
    if (store.size() >= stateLimit) {
      result.limitReached = true;
      break;
    }
    played[index] = true;
    const auto stored = store.state(index);
    codec.unpack(stored, before);
    search::expand(
        codec, before, stored, [&] { return std::span<std::uint8_t>(packed); },
        [&](int move) {
          if (moves + 1 < best) {
            best = moves + 1;
            result.moves = search::pathTo(store, index, move);
          }
          return true;
        },
        [&](int move, const GameState& next) {
          if (const std::uint16_t left = distance(next); left != EndDistance::kNever)
            reach(index, move, moves + 1, left);
          return true;
        });
  }
  result.solvable = !result.limitReached && best != UINT32_MAX;
  if (!result.solvable) result.moves.clear();
  result.states = store.size();
  result.bytes = store.bytesUsed() + open.bytes() + movesTo.capacity() * sizeof(std::uint32_t) +
                 played.capacity() / 8;
  return result;
}

}  // namespace dwaalbos
