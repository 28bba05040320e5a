#pragma once

#include <array>
#include <optional>
#include <vector>

#include "difficulty.h"
#include "level/board.h"
#include "seeded_random.h"

namespace dwaalbos {

// The objects a generated level may be about; a level picks a few of them.
enum class ObjectKind { Blocks, Arrows, Gates, Keys };
inline constexpr std::size_t kObjectKinds = 4;
using KindSet = std::array<bool, kObjectKinds>;

// Makes and changes boards for one difficulty, drawing every choice from `random`.
class BoardMaker {
 public:
  BoardMaker(Difficulty difficulty, SeededRandom& random);

  // A new board: a maze carved from a wall of rock, some of its walls taken out again, a few
  // rooms opened, the start and the end far apart, then objects of the kinds it picks.
  Board fresh(KindSet& kinds);
  // The board with one small change: a wall opened or closed, an object moved, added (of
  // `kinds`), removed or turned, the start or the end moved. False when it came to nothing.
  bool mutate(Board& board, const KindSet& kinds);
  // Whether the board has one start, one end and at least one object of each of `kinds`.
  static bool keepsKinds(const Board& board, const KindSet& kinds);

 private:
  struct Cell {
    int col;
    int row;
  };

  void carveMaze(Board& board);
  void placeStartAndEnd(Board& board);
  void addObject(Board& board, ObjectKind kind);
  // Where an object does most: gates and key blocks across the way from the start to the
  // end, keys and the switch at the end of a side way; mostly, not always.
  std::optional<Cell> placeFor(const Board& board, std::int16_t code);
  static std::vector<Cell> emptyOnWay(const Board& board);
  static std::vector<Cell> emptyDeadEnds(const Board& board);
  std::optional<Cell> randomCell(const Board& board, std::int16_t code);
  static Cell randomOf(SeededRandom& random);

  Difficulty difficulty_;
  SeededRandom& random_;
};

}  // namespace dwaalbos
