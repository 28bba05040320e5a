#pragma once

#include <initializer_list>
#include <string>
#include <variant>

#include "level/level_text.h"

namespace dwaalbos::testing {

// A level from rows of the level text's symbols (S start, E end, # wall ...), padded with
// empty squares to 12 x 12.
inline Doolhof levelFromRows(std::initializer_list<const char*> rows, const std::string& naam = "") {
  std::string text = "naam: " + naam + "\nmaker:\ncommentaar:\nbord:\n";
  int count = 0;
  for (const std::string row : rows) {
    text += row + std::string(12 - row.size(), '.') + "\n";
    ++count;
  }
  for (; count < 12; ++count) text += "............\n";
  return std::get<Doolhof>(parseLevelText(text));
}

}  // namespace dwaalbos::testing
