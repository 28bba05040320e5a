#pragma once

#include <cstddef>
#include <functional>
#include <optional>

namespace dwaalbos {

// Which variant of a sound plays next: one at random, but never the one heard last, so a sound
// heard at every step neither repeats itself nor falls into a pattern.
class VariantChoice {
 public:
  // A number below `bound` (bound > 0).
  using RandomBelow = std::function<std::size_t(std::size_t bound)>;

  VariantChoice();  // chooses by a random generator of its own
  explicit VariantChoice(RandomBelow random) : random_(std::move(random)) {}

  std::size_t next(std::size_t variants);

 private:
  RandomBelow random_;
  std::optional<std::size_t> last_;
};

}  // namespace dwaalbos
