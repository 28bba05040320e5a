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
// Each cell is written as its kind's symbol, as the table in cell_kinds.h lists them.
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
