#include "state_store.h"

#include <algorithm>
#include <cstring>

namespace dwaalbos {

StateStore::StateStore(std::size_t stateBytes) : stateBytes_(stateBytes), slots_(1 << 16, 0) {}

std::uint64_t StateStore::hashOf(std::span<const std::uint8_t> state) const {
  // Eight bytes at a time, multiplied and folded: states differ in few bytes, so every byte
  // must reach the low bits the table uses.
  std::uint64_t hash = 0x9E3779B97F4A7C15ull ^ state.size();
  std::size_t i = 0;
  for (; i + 8 <= state.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, state.data() + i, 8);
    hash = (hash ^ word) * 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 32;
  }
  for (; i < state.size(); ++i) hash = (hash ^ state[i]) * 0xC4CEB9FE1A85EC53ull;
  return hash ^ (hash >> 29);
}

std::span<const std::uint8_t> StateStore::state(std::uint32_t index) const {
  return {arena_.data() + static_cast<std::size_t>(index) * stateBytes_, stateBytes_};
}

std::uint32_t StateStore::insert(std::span<const std::uint8_t> state, std::uint32_t parent,
                                 char move, bool& added) {
  if ((parents_.size() + 1) * 2 > slots_.size()) grow();
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = hashOf(state) & mask;; slot = (slot + 1) & mask) {
    const std::uint32_t entry = slots_[slot];
    if (entry == 0) {
      const auto index = static_cast<std::uint32_t>(parents_.size());
      arena_.insert(arena_.end(), state.begin(), state.end());
      parents_.push_back(parent);
      moves_.push_back(move);
      slots_[slot] = index + 1;
      added = true;
      return index;
    }
    if (std::equal(state.begin(), state.end(), this->state(entry - 1).begin())) {
      added = false;
      return entry - 1;
    }
  }
}

void StateStore::grow() {
  std::vector<std::uint32_t> bigger(slots_.size() * 2, 0);
  const std::size_t mask = bigger.size() - 1;
  for (std::uint32_t index = 0; index < parents_.size(); ++index) {
    std::size_t slot = hashOf(state(index)) & mask;
    while (bigger[slot] != 0) slot = (slot + 1) & mask;
    bigger[slot] = index + 1;
  }
  slots_.swap(bigger);
}

std::size_t StateStore::bytesUsed() const {
  return arena_.capacity() + parents_.capacity() * sizeof(std::uint32_t) + moves_.capacity() +
         slots_.capacity() * sizeof(std::uint32_t);
}

}  // namespace dwaalbos
