#include "audio/variant_choice.h"

#include <gtest/gtest.h>

#include <array>

namespace dwaalbos {
namespace {

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
