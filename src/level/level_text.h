#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "doolhof.h"

namespace dwaalbos {

// The readable source of a level, as the game's level designers write it:
//
//   naam: De eerste stap
//   maker: Dwaalbos
//   commentaar: one line of comment; repeat the key for more lines
//   bord:
//   ############   twelve rows of twelve symbols, top row first
//
// Symbols: . empty  # wall  s switch  b blue gate  r red gate  S start  E end  k key
// K key block  X push block  ! enemy  < ^ v > arrows  + four-way arrow.
struct LevelTextError {
  int line;
  std::string message;
};

std::variant<Doolhof, LevelTextError> parseLevelText(std::string_view text);
std::string formatLevelText(const Doolhof& level);

// The symbol of a cell code and back; '?' and -1 for what has none.
char symbolOfCode(int code);
int codeOfSymbol(char symbol);

}  // namespace dwaalbos
