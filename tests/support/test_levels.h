#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <variant>

#include "level/level_file.h"
#include "level/level_sets.h"
#include "level/level_text.h"
#include "support/temp_folder.h"

namespace dwaalbos::testing {

// A level from rows of the level text's symbols (S start, E end, # wall ...), padded with
// empty squares to 12 x 12.
inline Doolhof levelFromRows(std::initializer_list<const char*> rows, const std::string& naam = "",
                             const std::string& maker = "", const std::string& commentaar = "") {
  std::string text =
      "naam: " + naam + "\nmaker: " + maker + "\ncommentaar: " + commentaar + "\nbord:\n";
  int count = 0;
  for (const std::string row : rows) {
    text += row + std::string(12 - row.size(), '.') + "\n";
    ++count;
  }
  for (; count < 12; ++count) text += "............\n";
  return std::get<Doolhof>(parseLevelText(text));
}

// Both standard level set files, whole, so that a game starts without telling of a missing
// set; every level of the first set is `first`, all else empty.
inline void writeEmptyStandardSets(const TempFolder& folder, const Doolhof& first = {}) {
  for (const auto& [name, records] :
       {std::pair{"standaardlevels", kSet1Records}, std::pair{"standaardlevels2", kSet2Records}}) {
    Bytes set;
    for (int i = 0; i < records; ++i) {
      const Bytes record = encodeLevel(records == kSet1Records ? first : Doolhof{});
      set.insert(set.end(), record.begin(), record.end());
    }
    folder.write(name, set);
  }
}

}  // namespace dwaalbos::testing
