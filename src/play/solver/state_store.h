#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace dwaalbos {

// Every state the solver has seen, with the move that first reached it, in fixed chunks (no
// copy and no spare half when it grows); an open-addressing hash table of indices finds a
// state again.
class StateStore {
 public:
  static constexpr std::uint32_t kNone = (1u << 29) - 1;
  // A slot keeps the index in 25 bits and 7 bits of the hash, which spare most comparisons.
  static constexpr std::size_t kMostStates = (1u << 25) - 1;

  explicit StateStore(std::size_t stateBytes);

  // The index of the state: a new one when it was not stored yet (`added` tells). `move` is
  // 0..6, the way the solver numbers its keys.
  std::uint32_t insert(std::span<const std::uint8_t> state, std::uint32_t parent, int move,
                       bool& added) {
    return insert(state, hashOf(state), parent, move, added);
  }
  // The same with the state's hash (hashOf) known, and its slot fetched ahead (prefetch).
  std::uint32_t insert(std::span<const std::uint8_t> state, std::uint64_t hash,
                       std::uint32_t parent, int move, bool& added);
  // The stored state counts as reached from `parent` by `move` from now on.
  void relink(std::uint32_t index, std::uint32_t parent, int move);
  std::uint64_t hashOf(std::span<const std::uint8_t> state) const;
  void prefetch(std::uint64_t hash) const;
  std::span<const std::uint8_t> state(std::uint32_t index) const;
  std::uint32_t parent(std::uint32_t index) const { return link(index) >> 3; }
  int move(std::uint32_t index) const { return static_cast<int>(link(index) & 7); }
  std::size_t size() const { return size_; }
  std::size_t bytesUsed() const;

 private:
  static constexpr std::size_t kChunkStates = 1 << 12;

  std::uint8_t* record(std::uint32_t index) const;
  std::uint32_t link(std::uint32_t index) const;
  void grow();

  std::size_t stateBytes_;
  std::size_t recordBytes_;  // the state, then its parent and move in four bytes
  std::vector<std::unique_ptr<std::uint8_t[]>> chunks_;
  std::size_t size_ = 0;
  std::vector<std::uint32_t> slots_;  // tag << 25 | index + 1; 0 for an empty slot
};

}  // namespace dwaalbos
