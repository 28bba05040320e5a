#include "daily_seed.h"

#include "generator.h"
#include "seeded_random.h"

namespace dwaalbos {

std::uint32_t dailySeed(std::chrono::year_month_day date, Difficulty difficulty) {
  const auto day = std::chrono::sys_days(date).time_since_epoch().count();
  SeededRandom random(static_cast<std::uint64_t>(day) * 4 + static_cast<std::uint64_t>(difficulty));
  return static_cast<std::uint32_t>(random.next() % kLargestSeed) + 1;
}

}  // namespace dwaalbos
