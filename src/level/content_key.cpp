#include "content_key.h"

#include <span>
#include <string_view>

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

std::uint64_t generatedKey(int difficulty, std::uint64_t seed) {
  constexpr std::string_view kLabel = "generated";
  Bytes bytes(kLabel.begin(), kLabel.end());
  const auto level = static_cast<std::uint32_t>(difficulty);
  putU16(bytes, static_cast<std::uint16_t>(level & 0xFFFF));
  putU16(bytes, static_cast<std::uint16_t>(level >> 16));
  putU64(bytes, seed);
  return fnv1a(bytes);
}

}  // namespace dwaalbos
