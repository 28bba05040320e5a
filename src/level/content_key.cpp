#include "content_key.h"

#include "level_file.h"

namespace dwaalbos {

std::uint64_t contentKey(const Doolhof& level) {
  Doolhof played = level;
  played.Vakken = Board{};
  played.Vakken.copyPlayAreaFrom(level.Vakken);
  std::uint64_t hash = 14695981039346656037ULL;
  for (std::uint8_t byte : encodeLevel(played)) {
    hash ^= byte;
    hash *= 1099511628211ULL;
  }
  return hash;
}

}  // namespace dwaalbos
