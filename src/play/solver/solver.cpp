#include "solver.h"

#include <algorithm>
#include <array>
#include <vector>

#include "compact_state.h"
#include "play/engine/rules.h"
#include "state_store.h"

namespace dwaalbos {
namespace {

// Single moves for the search: nothing shown, no follow lines.
constexpr RuleOptions kSearch{false, 0, 0, true};

// A stop is looked at about once a millisecond.
constexpr std::uint32_t kStatesBetweenStopChecks = 4096;

constexpr std::array<std::pair<GameKey, char>, 5> kMoves = {{{GameKey::Left, 'L'},
                                                             {GameKey::Right, 'R'},
                                                             {GameKey::Up, 'U'},
                                                             {GameKey::Down, 'D'},
                                                             {GameKey::Space, 'S'}}};

bool samePlace(const GameState& a, const GameState& b) {
  return a.col == b.col && a.row == b.row && a.schakelaar == b.schakelaar &&
         a.sleutels == b.sleutels;
}

std::string pathTo(const StateStore& store, std::uint32_t index, char last) {
  std::string moves(1, last);
  for (; store.parent(index) != StateStore::kNone; index = store.parent(index))
    moves += kMoves[static_cast<std::size_t>(store.move(index))].second;
  std::reverse(moves.begin(), moves.end());
  return moves;
}

}  // namespace

GameKey letterKey(char letter) {
  for (const auto& [key, name] : kMoves)
    if (name == letter) return key;
  return GameKey::Enter;
}

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
    game = play(game, letterKey(moves[played]), kSearch).next;
  }
}

// The states one state leads to, packed, waiting to be stored together: their slots in the
// table are fetched while the next ones are packed.
class Children {
 public:
  explicit Children(std::size_t bytes) : bytes_(bytes), packed_(kMoves.size() * bytes) {}

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
  std::array<std::uint64_t, kMoves.size()> hashes_{};
  std::array<int, kMoves.size()> moves_{};
  std::size_t count_ = 0;
};

Solution solveFrom(const GameState& start, std::size_t stateLimit, std::stop_token stop) {
  const CompactCodec codec(start);
  StateStore store(codec.bytes());
  Children children(codec.bytes());
  codec.pack(start, children.next());
  children.keep(store, 0);
  children.store(store, StateStore::kNone);

  GameState before = start;
  std::uint32_t next = 0;
  stateLimit = std::min(stateLimit, StateStore::kMostStates);
  for (; next < store.size() && store.size() < stateLimit; ++next) {
    if (next % kStatesBetweenStopChecks == 0 && stop.stop_requested()) break;
    const auto stored = store.state(next);  // stays where it is while the store grows
    codec.unpack(stored, before);
    const bool onSwitch = before.veld.at(before.col, before.row) == cell::kSwitch;
    for (std::size_t m = 0; m < kMoves.size(); ++m) {
      const auto& [key, letter] = kMoves[m];
      if (key == GameKey::Space && !onSwitch) continue;
      const Step step = play(before, key, kSearch);
      if (step.died) continue;
      if (step.completed) {
        children.store(store, next);
        return {true, pathTo(store, next, letter), store.size(), store.bytesUsed(), false};
      }
      if (step.next.veld == before.veld) {
        if (samePlace(step.next, before)) continue;  // refused: the state it came from
        codec.packSameBoard(step.next, stored, children.next());
      } else {
        codec.pack(step.next, children.next());
      }
      children.keep(store, static_cast<int>(m));
    }
    children.store(store, next);
  }
  Solution result;
  result.states = store.size();
  result.bytes = store.bytesUsed();
  result.limitReached = next < store.size();
  return result;
}

}  // namespace dwaalbos
