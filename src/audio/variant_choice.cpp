#include "audio/variant_choice.h"

#include <memory>
#include <random>

namespace dwaalbos {

VariantChoice::VariantChoice() {
  auto generator = std::make_shared<std::minstd_rand>(std::random_device{}());
  random_ = [generator](std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(*generator);
  };
}

std::size_t VariantChoice::next(std::size_t variants) {
  if (variants < 2) return 0;
  std::size_t chosen = 0;
  if (last_ && *last_ < variants) {
    // One of the others: the numbers from the last one on move up by one.
    chosen = random_(variants - 1);
    if (chosen >= *last_) ++chosen;
  } else {
    chosen = random_(variants);
  }
  last_ = chosen;
  return chosen;
}

}  // namespace dwaalbos
