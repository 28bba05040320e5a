#include "audio/variant_choice.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace dwaalbos {
namespace {

TEST(VariantChoice, SkipsTheLastOneAndLeavesTheOthersEquallyLikely) {
  // A source that answers 0, 1, 2, 0, 1, 2, ... shows which numbers map to which variant.
  std::size_t turn = 0;
  std::vector<std::size_t> bounds;
  VariantChoice choice([&](std::size_t bound) {
    bounds.push_back(bound);
    return turn++ % bound;
  });
  std::vector<std::size_t> chosen;
  for (int i = 0; i < 6; ++i) chosen.push_back(choice.next(4));
  // The first from all four, then from the three others each time.
  EXPECT_EQ(bounds, (std::vector<std::size_t>{4, 3, 3, 3, 3, 3}));
  EXPECT_EQ(chosen, (std::vector<std::size_t>{0, 2, 3, 0, 2, 3}));
}

TEST(VariantChoice, RandomChoicesNeverRepeatAndReachEveryVariant) {
  VariantChoice choice;
  std::array<int, 4> heard{};
  std::size_t last = choice.next(4);
  for (int i = 0; i < 400; ++i) {
    const std::size_t now = choice.next(4);
    ASSERT_LT(now, 4u);
    ASSERT_NE(now, last);
    ++heard[now];
    last = now;
  }
  for (int count : heard) EXPECT_GT(count, 50);
}

TEST(VariantChoice, ASingleSoundAndAShrunkSetStayInRange) {
  VariantChoice choice([](std::size_t bound) { return bound - 1; });
  EXPECT_EQ(choice.next(1), 0u);
  EXPECT_EQ(choice.next(5), 4u);
  EXPECT_LT(choice.next(3), 3u);  // the last one is no longer among them
}

}  // namespace
}  // namespace dwaalbos
