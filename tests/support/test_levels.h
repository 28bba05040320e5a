#pragma once

#include <initializer_list>
#include <string>
#include <tuple>
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

// One row of a board in the level text's symbols, left to right.
inline std::string symbolRow(const Board& board, int row) {
  std::string out;
  for (int col = 1; col <= 12; ++col) out += symbolOfCode(board.at(col, row));
  return out;
}

// Both standard level set files, whole, so that a game starts without telling of a missing
// set; every level of the first set is `first`, every level of the second `second`.
inline void writeEmptyStandardSets(const TempFolder& folder, const Doolhof& first = {},
                                   const Doolhof& second = {}) {
  for (const auto& [name, records, level] : {std::tuple{"standaardlevels", kSet1Records, &first},
                                             {"standaardlevels2", kSet2Records, &second}}) {
    const Bytes record = encodeLevel(*level);
    Bytes set;
    for (int i = 0; i < records; ++i) set.insert(set.end(), record.begin(), record.end());
    folder.write(name, set);
  }
}

}  // namespace dwaalbos::testing
