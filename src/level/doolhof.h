#pragma once

#include <string>

#include "board.h"

namespace dwaalbos {

// One level: its board and three texts. Texts are UTF-8 in memory, Windows-1252 on disk.
struct Doolhof {
  Board Vakken;
  std::string Naam;
  std::string Maker;
  std::string Commentaar;

  bool operator==(const Doolhof&) const = default;
};

}  // namespace dwaalbos
