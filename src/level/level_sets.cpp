#include "level_sets.h"

#include <algorithm>

#include "byte_io.h"
#include "level_file.h"
#include "translation.h"

namespace dwaalbos {

const Doolhof* LevelSet::element(int index) const {
  if (index < 0 || index >= size()) return nullptr;
  return &elements_[static_cast<std::size_t>(index)];
}

// The texts are marked where they are written, in the level sources the sets are compiled from.
std::string standaardTekst(const std::string& dutch) {
  return translated("standaardlevels", dutch.c_str());
}

LevelSet readLevelSet(const std::string& path, int records) {
  const auto data = readFileStart(path, static_cast<std::size_t>(records) * kLargestRecordBytes);
  return data ? decodeLevelSet(*data, records) : LevelSet{};
}

LevelSet decodeLevelSet(std::span<const std::uint8_t> data, int records) {
  ByteReader reader(data);
  return LevelSet(decodeLevels(reader, static_cast<std::size_t>(std::max(records, 0))));
}

const Doolhof* LevelSets::byNumber(int levelNummer) const {
  if (levelNummer >= 1 && levelNummer <= kSet1Levels) return Levelset1.element(levelNummer);
  if (levelNummer > kSet1Levels && levelNummer <= kLastLevelNumber)
    return Levelset2.element(levelNummer - kSet1Levels);
  return nullptr;
}

int numberWithinSet(int levelNummer) {
  return isSecondSet(levelNummer) ? levelNummer - kSet1Levels : levelNummer;
}

bool isSecondSet(int levelNummer) { return levelNummer > kSet1Levels; }

}  // namespace dwaalbos
