#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "doolhof.h"

namespace dwaalbos {

// One standard level set: element 0 is never played. A short or missing file simply holds
// fewer elements; the ones it lacks are neither listed nor played.
class LevelSet {
 public:
  LevelSet() = default;
  explicit LevelSet(std::vector<Doolhof> elements) : elements_(std::move(elements)) {}

  // Element `index` when the file held it, else nullptr.
  const Doolhof* element(int index) const;
  int size() const { return static_cast<int>(elements_.size()); }

 private:
  std::vector<Doolhof> elements_;
};

inline constexpr int kSet1Records = 24;  // elements 0..23
inline constexpr int kSet2Records = 21;  // elements 0..20
inline constexpr int kSet1Levels = kSet1Records - 1;
inline constexpr int kSet2Levels = kSet2Records - 1;
inline constexpr int kLastLevelNumber = kSet1Levels + kSet2Levels;  // 43

// Up to `records` whole records from the start of the data or file.
LevelSet decodeLevelSet(std::span<const std::uint8_t> data, int records);
LevelSet readLevelSet(const std::string& path, int records);

struct LevelSets {
  LevelSet Levelset1;
  LevelSet Levelset2;

  // Level number 1..23 is element 1..23 of the first set, 24..43 element 1..20 of the second.
  const Doolhof* byNumber(int levelNummer) const;
};

// A standard level's name or comment in the language the game speaks. Only the standard sets'
// texts are translated: a level file's or a collection's are shown as their makers wrote them.
std::string standaardTekst(const std::string& dutch);

// A level number's place within its set: 1..23 for the first set, 1..20 for the second.
int numberWithinSet(int levelNummer);
bool isSecondSet(int levelNummer);

}  // namespace dwaalbos
