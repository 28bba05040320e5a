#pragma once

#include <string>
#include <utility>

namespace dwaalbos {

// Which level a game plays: standard level `number` (1..43), or the level file `path` when
// the number is 0.
struct LevelRef {
  int number = 0;
  std::string path;

  static LevelRef standard(int number) { return {number, {}}; }
  static LevelRef file(std::string path) { return {0, std::move(path)}; }
};

}  // namespace dwaalbos
