#include "content_key.h"

#include <span>

#include "level_file.h"

namespace dwaalbos {
namespace {

constexpr std::uint64_t kOffsetBasis = 14695981039346656037ULL;
constexpr std::uint64_t kPrime = 1099511628211ULL;

std::uint64_t fnv1a(std::span<const std::uint8_t> bytes) {
  std::uint64_t hash = kOffsetBasis;
  for (std::uint8_t byte : bytes) {
    hash ^= byte;
    hash *= kPrime;
  }
  return hash;
}

}  // namespace

std::uint64_t contentKey(const Doolhof& level) {
  Doolhof played = level;
  played.Vakken = Board{};
  played.Vakken.copyPlayAreaFrom(level.Vakken);
  return fnv1a(encodeLevel(played));
}

}  // namespace dwaalbos
