#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace dwaalbos {

// Every state the solver has seen, packed into one arena, with the move that first reached
// it; an open-addressing hash table of indices finds a state again.
class StateStore {
 public:
  static constexpr std::uint32_t kNone = UINT32_MAX;

  explicit StateStore(std::size_t stateBytes);

  // The index of the state: a new one when it was not stored yet (`added` tells).
  std::uint32_t insert(std::span<const std::uint8_t> state, std::uint32_t parent, char move,
                       bool& added);
  std::span<const std::uint8_t> state(std::uint32_t index) const;
  std::uint32_t parent(std::uint32_t index) const { return parents_[index]; }
  char move(std::uint32_t index) const { return moves_[index]; }
  std::size_t size() const { return parents_.size(); }
  std::size_t bytesUsed() const;

 private:
  std::uint64_t hashOf(std::span<const std::uint8_t> state) const;
  void grow();

  std::size_t stateBytes_;
  std::vector<std::uint8_t> arena_;
  std::vector<std::uint32_t> parents_;
  std::vector<char> moves_;
  std::vector<std::uint32_t> slots_;  // index + 1, 0 for an empty slot
};

}  // namespace dwaalbos
