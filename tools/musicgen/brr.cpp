#include "musicgen/brr.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace dwaalbos::music {

namespace {

constexpr std::size_t kBlockSamples = 16;

struct History {
  int older = 0;  // the sample before last
  int last = 0;
};

// One sample as the chip rebuilds it: the nibble scaled by the shift, plus the filter's
// prediction from the last two samples, clamped and wrapped the way the hardware does.
int decodeSample(int nibble, int shift, int filter, const History& history) {
  int s = shift <= 12 ? (nibble << shift) >> 1 : (nibble < 0 ? -2048 : 0);
  const int p1 = history.last;
  const int p2 = history.older >> 1;
  switch (filter) {
    case 1: s += (p1 >> 1) + ((-p1) >> 5); break;
    case 2: s += p1 - p2 + (p2 >> 4) + ((p1 * -3) >> 6); break;
    case 3: s += p1 - p2 + ((p1 * -13) >> 7) + ((p2 * 3) >> 4); break;
    default: break;
  }
  s = std::clamp(s, -32768, 32767);
  return static_cast<std::int16_t>(s * 2);
}

struct Block {
  std::uint8_t nibbles[kBlockSamples];
  double error;
  History after;
};

Block tryBlock(const std::int16_t* target, int shift, int filter, History history) {
  Block block{};
  for (std::size_t i = 0; i < kBlockSamples; ++i) {
    int bestNibble = 0;
    int bestValue = 0;
    double bestError = std::numeric_limits<double>::max();
    for (int nibble = -8; nibble <= 7; ++nibble) {
      const int value = decodeSample(nibble, shift, filter, history);
      const double error = static_cast<double>(value - target[i]) * (value - target[i]);
      if (error < bestError) {
        bestError = error;
        bestNibble = nibble;
        bestValue = value;
      }
    }
    block.nibbles[i] = static_cast<std::uint8_t>(bestNibble & 0x0F);
    block.error += bestError;
    history = {history.last, bestValue};
  }
  block.after = history;
  return block;
}

}  // namespace

std::vector<std::uint8_t> encodeBrr(const std::vector<std::int16_t>& samples) {
  if (samples.empty() || samples.size() % kBlockSamples != 0)
    throw std::invalid_argument("BRR samples come in whole blocks of 16");
  std::vector<std::uint8_t> out;
  History history;
  for (std::size_t first = 0; first < samples.size(); first += kBlockSamples) {
    const bool plain = first == 0;
    Block best{};
    best.error = std::numeric_limits<double>::max();
    int bestHeader = 0;
    for (int filter = 0; filter <= (plain ? 0 : 3); ++filter) {
      for (int shift = 0; shift <= 12; ++shift) {
        const Block block = tryBlock(&samples[first], shift, filter, history);
        if (block.error < best.error) {
          best = block;
          bestHeader = shift << 4 | filter << 2;
        }
      }
    }
    const bool last = first + kBlockSamples == samples.size();
    out.push_back(
        static_cast<std::uint8_t>(bestHeader | 0x02 | (last ? 0x01 : 0x00)));  // loop, end
    for (std::size_t i = 0; i < kBlockSamples; i += 2)
      out.push_back(static_cast<std::uint8_t>(best.nibbles[i] << 4 | best.nibbles[i + 1]));
    history = best.after;
  }
  return out;
}

std::vector<std::int16_t> decodeBrr(const std::vector<std::uint8_t>& blocks) {
  std::vector<std::int16_t> out;
  History history;
  for (std::size_t b = 0; b + 9 <= blocks.size(); b += 9) {
    const int shift = blocks[b] >> 4;
    const int filter = (blocks[b] >> 2) & 3;
    for (std::size_t i = 0; i < kBlockSamples; ++i) {
      const int byte = blocks[b + 1 + i / 2];
      int nibble = i % 2 == 0 ? byte >> 4 : byte & 0x0F;
      if (nibble >= 8) nibble -= 16;
      const int value = decodeSample(nibble, shift, filter, history);
      out.push_back(static_cast<std::int16_t>(value));
      history = {history.last, value};
    }
  }
  return out;
}

}  // namespace dwaalbos::music
