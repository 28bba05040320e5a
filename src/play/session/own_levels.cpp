#include "own_levels.h"

#include <cctype>
#include <filesystem>

#include "level/collection_shelf.h"
#include "level/level_file.h"

namespace dwaalbos {

std::optional<Doolhof> readOwnLevel(const LevelRef& level) {
  if (level.element == 0) return readLevelFile(level.path);
  if (level.element < 0) return std::nullopt;
  CollectionRead read = readShelved(level.path);
  const auto index = static_cast<std::size_t>(level.element - 1);
  if (index >= read.collection.levels.size()) return std::nullopt;
  return std::move(read.collection.levels[index]);
}

LevelRef levelAt(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".dws" ? LevelRef::inCollection(path, 1) : LevelRef::file(path);
}

std::optional<LevelRef> nextInCollection(const LevelRef& level) {
  if (level.element == 0) return std::nullopt;
  LevelRef next = LevelRef::inCollection(level.path, level.element + 1);
  if (!readOwnLevel(next)) return std::nullopt;
  return next;
}

}  // namespace dwaalbos
