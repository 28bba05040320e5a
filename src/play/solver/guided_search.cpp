// A* over the compact states: the open state with the fewest moves so far plus the player's
// distance to the end (EndEstimate, which never overestimates) is played first; among equals
// the one nearer the end. The first way to the end no open state can beat is the shortest.
// States from which no end square can be reached, even past stuck blocks, are not kept.
#include <cstdint>
#include <queue>
#include <vector>

#include "end_estimate.h"
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

Solution solveGuided(const GameState& start, std::size_t stateLimit, std::stop_token stop) {
  const CompactCodec codec(start);
  EndEstimate toEnd(start, codec);
  const auto distance = [&](std::span<const std::uint8_t> packed) { return toEnd.from(packed); };
  StateStore store(codec.bytes());
  search::Children children(codec.bytes());
  std::vector<std::uint32_t> movesTo;  // the fewest moves found so far to each stored state
  std::vector<bool> played;
  OpenStates open;
  // A state reached in `moves` moves from `parent` by `move`: opened when it is new or was
  // only reached in more moves before, and not played yet.
  const auto reached = [&](std::uint32_t moves, std::uint32_t parent) {
    return [&, moves, parent](int move, std::span<const std::uint8_t> packed, std::uint32_t index,
                              bool added) {
      if (added) {
        movesTo.push_back(moves);
        played.push_back(false);
      } else if (played[index] || movesTo[index] <= moves) {
        return;
      } else {
        movesTo[index] = moves;
        store.relink(index, parent, move);
      }
      open.add(moves + distance(packed), distance(packed), index);
    };
  };

  Solution result;
  std::uint32_t best = UINT32_MAX;  // the length of the shortest way to the end found so far
  codec.pack(start, children.next());
  if (distance(children.next()) != EndDistance::kNever) {
    children.keep(store, 0);
    children.store(store, StateStore::kNone, reached(0, StateStore::kNone));
  }
  stateLimit = std::min(stateLimit, StateStore::kMostStates);
  GameState before = start;
  std::uint32_t playedCount = 0;
  while (!open.empty() && open.estimate() < best) {
    const std::uint32_t index = open.index();
    const std::uint32_t moves = open.estimate() - open.toEnd();
    open.pop();
    if (played[index] || movesTo[index] != moves) continue;  // played, or reached shorter since
    if (store.size() >= stateLimit ||
        (playedCount++ % search::kStatesBetweenStopChecks == 0 && stop.stop_requested())) {
      result.limitReached = true;
      break;
    }
    played[index] = true;
    const auto stored = store.state(index);
    codec.unpack(stored, before);
    search::expand(
        codec, before, stored, [&] { return children.next(); },
        [&](int move) {
          if (moves + 1 < best) {
            best = moves + 1;
            result.moves = search::pathTo(store, index, move);
          }
          return true;
        },
        [&](int move, const GameState&) {
          if (distance(children.next()) != EndDistance::kNever) children.keep(store, move);
          return true;
        });
    children.store(store, index, reached(moves + 1, index));
  }
  result.solvable = !result.limitReached && best != UINT32_MAX;
  if (!result.solvable) result.moves.clear();
  result.states = store.size();
  result.bytes = store.bytesUsed() + open.bytes() + movesTo.capacity() * sizeof(std::uint32_t) +
                 played.capacity() / 8;
  return result;
}

}  // namespace dwaalbos
