#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "level/doolhof.h"

namespace dwaalbos {

// How a generated level was made: the generator's difficulty (its number) and seed.
struct MadeFrom {
  int difficulty = 0;
  std::uint32_t seed = 0;
};

// Which level a game plays: standard level `number` (1..43), or when the number is 0 the
// level file `path`, or level `element` (1..) of the collection at `path`. A test play's level
// is the editor's: its game goes back to the editor (shown::ToEditor) when it ends or is left.
// `content` is the level as read once, at the edge, when it was chosen (own_levels.h): the
// game plays and restarts it from there and never reads it again.
struct LevelRef {
  int number = 0;
  std::string path;
  bool test = false;
  std::string way;  // a way known to complete it from its start, if any
  int element = 0;  // 0: `path` is a level file
  std::shared_ptr<const Doolhof> content;
  std::optional<MadeFrom> generated;  // a new maze: the next one is made the same way

  static LevelRef standard(int number) { return {number, {}, false, {}, 0, {}, {}}; }
  static LevelRef file(std::string path) { return {0, std::move(path), false, {}, 0, {}, {}}; }
  static LevelRef inCollection(std::string path, int element) {
    return {0, std::move(path), false, {}, element, {}, {}};
  }
  static LevelRef testPlay(std::string path, std::string way = {}) {
    return {0, std::move(path), true, std::move(way), 0, {}, {}};
  }
  static LevelRef newMaze(Doolhof level, std::string way, MadeFrom from) {
    return {0,   {}, false, std::move(way), 0, std::make_shared<const Doolhof>(std::move(level)),
            from};
  }
};

}  // namespace dwaalbos
