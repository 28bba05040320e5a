#include "compact_state.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "level/cell_kinds.h"

namespace dwaalbos {
namespace {

// One bit a cell says whether a block stands there, so the blocks must all be of one kind.
constexpr bool onlyPushBlocksMove() {
  for (const CellKind& kind : kCellKinds)
    if (kind.pushable != (kind.code == cell::kPushBlock)) return false;
  return true;
}
static_assert(onlyPushBlocksMove());

void setBit(std::span<std::uint8_t> board, std::size_t bit) {
  board[bit / 8] = static_cast<std::uint8_t>(board[bit / 8] | 1u << (bit % 8));
}

// The state as 64-bit words, to walk its set bits quickly.
using Words = std::array<std::uint64_t, 8>;

Words wordsOf(std::span<const std::uint8_t> in) {
  Words words{};
  std::memcpy(words.data(), in.data(), std::min(in.size(), sizeof(Words)));
  return words;
}

// Calls `each` with the number of every set bit in [from, to).
template <class Each>
void forSetBits(const Words& words, std::size_t from, std::size_t to, Each each) {
  for (std::size_t w = from / 64; w * 64 < to; ++w) {
    std::uint64_t word = words[w];
    if (w == from / 64) word &= ~0ull << (from % 64);
    if ((w + 1) * 64 > to) word &= (1ull << (to % 64)) - 1;
    for (; word != 0; word &= word - 1)
      each(w * 64 + static_cast<std::size_t>(std::countr_zero(word)));
  }
}

}  // namespace

CompactCodec::CompactCodec(const GameState& start) : empty_(start.veld) {
  for (int r = 1; r <= 12; ++r)
    for (int c = 1; c <= 12; ++c) {
      const std::int16_t code = start.veld.at(c, r);
      if (cellKind(code).fixed) continue;
      const auto index = static_cast<std::uint16_t>(c + Board::kSide * r);
      blockCells_.push_back(index);
      if (cellKind(code).pushable) empty_.set(c, r, cell::kEmpty);
      else if (code != cell::kEmpty) clearable_.push_back({index, code});
    }
  // At most 2 x 144 bits: the board's bytes always fit the words unpack reads them into.
  bytes_ = kRestBytes + (blockCells_.size() + clearable_.size() + 7) / 8;
}

void CompactCodec::pack(const GameState& state, std::span<std::uint8_t> out) const {
  std::fill(out.begin(), out.end(), 0);
  const auto board = out.subspan(kRestBytes);
  const auto& flat = state.veld.flat();
  for (std::size_t i = 0; i < blockCells_.size(); ++i)
    if (cellKind(flat[blockCells_[i]]).pushable) setBit(board, i);
  for (std::size_t i = 0; i < clearable_.size(); ++i)
    if (flat[clearable_[i].index] != clearable_[i].start) setBit(board, blockCells_.size() + i);
  packRest(state, out);
}

void CompactCodec::packSameBoard(const GameState& state, std::span<const std::uint8_t> same,
                                 std::span<std::uint8_t> out) const {
  std::copy(same.begin() + kRestBytes, same.end(), out.begin() + kRestBytes);
  packRest(state, out);
}

void CompactCodec::packRest(const GameState& state, std::span<std::uint8_t> out) const {
  out[0] = static_cast<std::uint8_t>(state.col - 1 + 12 * (state.row - 1));
  out[1] = state.schakelaar ? 1 : 0;
  out[2] = static_cast<std::uint8_t>(std::clamp(state.sleutels, 0, 255));
}

// The board without blocks, then what was emptied, then the blocks.
void CompactCodec::unpack(std::span<const std::uint8_t> in, GameState& state) const {
  const Words words = wordsOf(in.subspan(kRestBytes));
  state.veld = empty_;
  auto& flat = state.veld.flat();
  const std::size_t blocks = blockCells_.size();
  forSetBits(words, blocks, blocks + clearable_.size(),
             [&](std::size_t bit) { flat[clearable_[bit - blocks].index] = cell::kEmpty; });
  forSetBits(words, 0, blocks, [&](std::size_t bit) { flat[blockCells_[bit]] = cell::kPushBlock; });
  state.col = in[0] % 12 + 1;
  state.row = in[0] / 12 + 1;
  state.schakelaar = in[1] != 0;
  state.sleutels = in[2];
}

}  // namespace dwaalbos
