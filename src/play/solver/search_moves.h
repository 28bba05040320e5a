#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "compact_state.h"
#include "play/rules/move_letters.h"
#include "play/rules/rules.h"
#include "state_store.h"

// What the searches share: the moves from one stored state, and the way back to the start.
namespace dwaalbos::search {

// A stop is looked at about once a millisecond.
inline constexpr std::uint32_t kStatesBetweenStopChecks = 4096;

// The letters from the search's start to the state `index`, then that of move `last`.
inline std::string pathTo(const StateStore& store, std::uint32_t index, int last) {
  std::string moves(1, kMoveLetters[static_cast<std::size_t>(last)].second);
  for (; store.parent(index) != StateStore::kNone; index = store.parent(index))
    moves += kMoveLetters[static_cast<std::size_t>(store.move(index))].second;
  std::reverse(moves.begin(), moves.end());
  return moves;
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
  // Stores them as reached from `parent`; `each(move, packed, index, added)` learns of each.
  template <class Each>
  void store(StateStore& store, std::uint32_t parent, Each each) {
    bool added = false;
    for (std::size_t i = 0; i < count_; ++i) {
      const std::span<const std::uint8_t> packed{packed_.data() + i * bytes_, bytes_};
      const std::uint32_t index = store.insert(packed, hashes_[i], parent, moves_[i], added);
      each(moves_[i], packed, index, added);
    }
    count_ = 0;
  }
  void store(StateStore& store, std::uint32_t parent) {
    this->store(store, parent, [](int, std::span<const std::uint8_t>, std::uint32_t, bool) {});
  }

 private:
  std::size_t bytes_;
  std::vector<std::uint8_t> packed_;
  std::array<std::uint64_t, kMoveLetters.size()> hashes_{};
  std::array<int, kMoveLetters.size()> moves_{};
  std::size_t count_ = 0;
};

// Plays every key from `before`, stored as `stored`: `completes(move)` for a key that completes
// the level, `child(move, next)` for every other that changes the game, packed into `out()`
// just before; keys that crush the player lead nowhere. Stops when either answers false, and
// then answers false itself. A move is numbered by its place in kMoveLetters.
template <class Out, class Completes, class Child>
bool expand(const CompactCodec& codec, const GameState& before,
            std::span<const std::uint8_t> stored, Out out, Completes completes, Child child) {
  const bool onSwitch = before.veld.at(before.col, before.row) == cell::kSwitch;
  for (std::size_t m = 0; m < kMoveLetters.size(); ++m) {
    const GameKey key = kMoveLetters[m].first;
    if (key == GameKey::Space && !onSwitch) continue;
    const Step step = play(before, key, kQuietRules);
    if (step.died) continue;
    if (step.completed) {
      if (!completes(static_cast<int>(m))) return false;
      continue;
    }
    const std::span<std::uint8_t> packed = out();
    if (step.next.veld == before.veld) {
      const GameState& now = step.next;
      if (now.col == before.col && now.row == before.row && now.schakelaar == before.schakelaar &&
          now.sleutels == before.sleutels)
        continue;  // refused: the state it came from
      codec.packSameBoard(now, stored, packed);
    } else {
      codec.pack(step.next, packed);
    }
    if (!child(static_cast<int>(m), step.next)) return false;
  }
  return true;
}

}  // namespace dwaalbos::search
