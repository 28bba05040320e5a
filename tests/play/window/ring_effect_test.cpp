// The ring transition's blocks.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "play/window/ring_effect.h"

using namespace dwaalbos;

TEST(RingEffect, FiftyEightStepsFromTheCentreAndBeyondTheCorners) {
  const auto steps = ringSteps(480, 480);
  ASSERT_EQ(steps.size(), 58u);  // radius 170 down to 56 in steps of 2
  const auto& first = steps.front();
  ASSERT_FALSE(first.empty());
  // The inner ring starts at a radius of 169.7 - 170, the outer one at 340.
  EXPECT_EQ(first.front().x, 240);
  EXPECT_EQ(first.front().size, 3);
  EXPECT_EQ(first.back().size, 6);
  EXPECT_EQ(first.back().x, 240 + 340);
  const auto& last = steps.back();
  EXPECT_EQ(last.back().x, 240 + 112);
}

TEST(RingEffect, TheStepsTogetherCoverTheWholeBoard) {
  std::vector<bool> covered(480 * 480, false);
  for (const auto& step : ringSteps(480, 480))
    for (const RingBlock& block : step)
      for (int y = block.y; y < block.y + block.size; ++y)
        for (int x = block.x; x < block.x + block.size; ++x)
          if (x >= 0 && x < 480 && y >= 0 && y < 480) covered[y * 480 + x] = true;
  EXPECT_EQ(std::count(covered.begin(), covered.end(), false), 0);
}
