#pragma once

#include <string>
#include <utility>

namespace dwaalbos {

// Which level a game plays: standard level `number` (1..43), or the level file `path` when
// the number is 0. A test play's level is the editor's: its game goes back to the editor
// (shown::ToEditor) when it ends or is left.
struct LevelRef {
  int number = 0;
  std::string path;
  bool test = false;
  std::string way;  // a test play's way known to complete it from its start, if any

  static LevelRef standard(int number) { return {number, {}, false, {}}; }
  static LevelRef file(std::string path) { return {0, std::move(path), false, {}}; }
  static LevelRef testPlay(std::string path, std::string way = {}) {
    return {0, std::move(path), true, std::move(way)};
  }
};

}  // namespace dwaalbos
