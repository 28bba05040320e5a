#include "musicgen/brr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace dwaalbos::music {
namespace {

std::vector<std::int16_t> sineCycles(int cycles, int period, double amplitude) {
  std::vector<std::int16_t> out;
  for (int i = 0; i < cycles * period; ++i)
    out.push_back(static_cast<std::int16_t>(
        std::lround(amplitude * 32767 * std::sin(2 * std::numbers::pi * i / period))));
  return out;
}

TEST(Brr, ASineComesBackCleanFromTheChipsDecoder) {
  const auto original = sineCycles(8, 64, 0.9);
  const auto blocks = encodeBrr(original);
  ASSERT_EQ(blocks.size(), original.size() / 16 * 9);
  const auto decoded = decodeBrr(blocks);
  ASSERT_EQ(decoded.size(), original.size());
  double signal = 0.0, noise = 0.0;
  for (std::size_t i = 0; i < original.size(); ++i) {
    signal += static_cast<double>(original[i]) * original[i];
    noise += static_cast<double>(decoded[i] - original[i]) * (decoded[i] - original[i]);
  }
  EXPECT_GT(10 * std::log10(signal / noise), 35.0);
}

}  // namespace
}  // namespace dwaalbos::music
