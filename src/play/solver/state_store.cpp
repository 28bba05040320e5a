#include "state_store.h"

#include <algorithm>
#include <cstring>

namespace dwaalbos {

StateStore::StateStore(std::size_t stateBytes)
    : stateBytes_(stateBytes), recordBytes_(stateBytes + 4), slots_(1 << 12, 0) {}

std::uint64_t StateStore::hashOf(std::span<const std::uint8_t> state) const {
  // Eight bytes at a time, multiplied and folded: states differ in few bits, so every byte
  // must reach the low bits the table uses.
  std::uint64_t hash = 0x9E3779B97F4A7C15ull ^ state.size();
  std::size_t i = 0;
  for (; i + 8 <= state.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, state.data() + i, 8);
    hash = (hash ^ word) * 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 32;
  }
  if (i < state.size()) {
    std::uint64_t tail = 0;
    std::memcpy(&tail, state.data() + i, state.size() - i);
    hash = (hash ^ tail) * 0xC4CEB9FE1A85EC53ull;
  }
  hash ^= hash >> 33;
  hash *= 0xC4CEB9FE1A85EC53ull;
  return hash ^ (hash >> 33);
}

std::uint8_t* StateStore::record(std::uint32_t index) const {
  return chunks_[index / kChunkStates].get() + (index % kChunkStates) * recordBytes_;
}

std::uint32_t StateStore::link(std::uint32_t index) const {
  std::uint32_t value;
  std::memcpy(&value, record(index) + stateBytes_, 4);
  return value;
}

void StateStore::relink(std::uint32_t index, std::uint32_t parent, int move) {
  const std::uint32_t value = parent << 3 | static_cast<std::uint32_t>(move);
  std::memcpy(record(index) + stateBytes_, &value, 4);
}

std::span<const std::uint8_t> StateStore::state(std::uint32_t index) const {
  return {record(index), stateBytes_};
}

void StateStore::prefetch(std::uint64_t hash) const {
  __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
}

std::uint32_t StateStore::insert(std::span<const std::uint8_t> state, std::uint64_t hash,
                                 std::uint32_t parent, int move, bool& added) {
  if ((size_ + 1) * 10 > slots_.size() * 7) grow();
  const std::size_t mask = slots_.size() - 1;
  const auto tag = static_cast<std::uint32_t>(hash >> 57) << 25;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const std::uint32_t entry = slots_[slot];
    if (entry == 0) {
      const auto index = static_cast<std::uint32_t>(size_);
      if (index % kChunkStates == 0)
        chunks_.push_back(
            std::make_unique_for_overwrite<std::uint8_t[]>(kChunkStates * recordBytes_));
      std::uint8_t* out = record(index);
      std::memcpy(out, state.data(), stateBytes_);
      ++size_;
      relink(index, parent, move);
      slots_[slot] = tag | (index + 1);
      added = true;
      return index;
    }
    const std::uint32_t index = (entry & kMostStates) - 1;
    if ((entry & ~kMostStates) == tag &&
        std::memcmp(state.data(), record(index), stateBytes_) == 0) {
      added = false;
      return index;
    }
  }
}

void StateStore::grow() {
  std::vector<std::uint32_t> bigger(slots_.size() * 2, 0);
  const std::size_t mask = bigger.size() - 1;
  for (const std::uint32_t entry : slots_) {
    if (entry == 0) continue;
    std::size_t slot = hashOf(state((entry & kMostStates) - 1)) & mask;
    while (bigger[slot] != 0) slot = (slot + 1) & mask;
    bigger[slot] = entry;
  }
  slots_.swap(bigger);
}

std::size_t StateStore::bytesUsed() const {
  return chunks_.size() * kChunkStates * recordBytes_ + chunks_.capacity() * sizeof(chunks_[0]) +
         slots_.capacity() * sizeof(std::uint32_t);
}

}  // namespace dwaalbos
