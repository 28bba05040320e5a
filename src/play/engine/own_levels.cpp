#include "own_levels.h"

#include "level/collection_file.h"
#include "level/level_file.h"

namespace dwaalbos {

std::optional<Doolhof> readOwnLevel(const LevelRef& level) {
  if (level.element == 0) return readLevelFile(level.path);
  if (level.element < 0) return std::nullopt;
  CollectionRead read = readCollection(level.path);
  const auto index = static_cast<std::size_t>(level.element - 1);
  if (index >= read.collection.levels.size()) return std::nullopt;
  return std::move(read.collection.levels[index]);
}

std::optional<LevelRef> nextInCollection(const LevelRef& level) {
  if (level.element == 0) return std::nullopt;
  LevelRef next = LevelRef::inCollection(level.path, level.element + 1);
  if (!readOwnLevel(next)) return std::nullopt;
  return next;
}

}  // namespace dwaalbos
