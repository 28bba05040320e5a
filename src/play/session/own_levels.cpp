#include "own_levels.h"

#include <cctype>
#include <filesystem>
#include <memory>

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

namespace {

std::optional<LevelRef> readInto(LevelRef level) {
  auto read = readOwnLevel(level);
  if (!read) return std::nullopt;
  level.content = std::make_shared<const Doolhof>(std::move(*read));
  return level;
}

}  // namespace

std::optional<LevelRef> loaded(LevelRef level, const LevelSets& sets) {
  if (level.content) return level;
  if (level.number == 0) return readInto(std::move(level));
  level = standardLevel(level.number, sets);
  if (!level.content) return std::nullopt;
  return level;
}

LevelRef standardLevel(int number, const LevelSets& sets) {
  LevelRef level = LevelRef::standard(number);
  if (const Doolhof* content = sets.byNumber(number))
    level.content = std::make_shared<const Doolhof>(*content);
  return level;
}

LevelRef levelAt(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".dws" ? LevelRef::inCollection(path, 1) : LevelRef::file(path);
}

std::optional<LevelRef> nextInCollection(const LevelRef& level) {
  if (level.element == 0) return std::nullopt;
  return readInto(LevelRef::inCollection(level.path, level.element + 1));
}

}  // namespace dwaalbos
