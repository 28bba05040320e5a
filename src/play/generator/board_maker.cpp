#include "board_maker.h"

#include <algorithm>
#include <vector>

#include "level/cell_codes.h"
#include "play/rules/rules.h"

namespace dwaalbos {
namespace {

// How large and how full the boards of a difficulty start out.
struct Recipe {
  int nodesLow, nodesHigh;  // maze crossings a side: the maze spans 2n - 1 cells
  int loopPercent;          // of the walls between two crossings taken out again
  int roomsHigh;            // open rectangles
  int kindsLow, kindsHigh;  // object kinds a level is about
  int objectsLow, objectsHigh;
  bool blocks;  // always about blocks: only they make positions by the ten thousand
};

Recipe recipeOf(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Makkelijk: return {3, 4, 10, 1, 1, 1, 1, 2, false};
    case Difficulty::Gemiddeld: return {4, 5, 15, 1, 1, 2, 1, 3, false};
    case Difficulty::Moeilijk: return {5, 6, 12, 2, 2, 3, 2, 3, true};
    case Difficulty::Meester: return {6, 6, 10, 1, 2, 4, 2, 4, true};
  }
  return {};
}

constexpr std::array<std::pair<int, int>, 4> kSteps = {{{0, -1}, {-1, 0}, {0, 1}, {1, 0}}};

bool isObject(std::int16_t code) { return code != cell::kEmpty && code != cell::kWall; }

int count(const Board& board, std::int16_t low, std::int16_t high) {
  int n = 0;
  for (int r = 1; r <= 12; ++r)
    for (int c = 1; c <= 12; ++c) n += board.at(c, r) >= low && board.at(c, r) <= high;
  return n;
}

// Walking distances over every cell that is no wall, from (col, row); -1 where it does not go.
std::array<int, Board::kCells> distancesFrom(const Board& board, int col, int row) {
  std::array<int, Board::kCells> distance;
  distance.fill(-1);
  std::vector<std::pair<int, int>> queue{{col, row}};
  distance[static_cast<std::size_t>(col + Board::kSide * row)] = 0;
  for (std::size_t next = 0; next < queue.size(); ++next) {
    const auto [c, r] = queue[next];
    for (const auto& [dc, dr] : kSteps) {
      const int nc = c + dc, nr = r + dr;
      if (!Board::inPlay(nc, nr) || board.at(nc, nr) == cell::kWall) continue;
      int& seen = distance[static_cast<std::size_t>(nc + Board::kSide * nr)];
      if (seen >= 0) continue;
      seen = distance[static_cast<std::size_t>(c + Board::kSide * r)] + 1;
      queue.emplace_back(nc, nr);
    }
  }
  return distance;
}

// The cell farthest from (col, row); the first of them in board order.
std::pair<int, int> farthestFrom(const Board& board, int col, int row) {
  const auto distance = distancesFrom(board, col, row);
  const auto far = std::max_element(distance.begin(), distance.end());
  const int flat = static_cast<int>(far - distance.begin());
  return {flat % Board::kSide, flat / Board::kSide};
}

}  // namespace

BoardMaker::BoardMaker(Difficulty difficulty, SeededRandom& random)
    : difficulty_(difficulty), random_(random) {}

Board BoardMaker::fresh(KindSet& kinds) {
  const Recipe recipe = recipeOf(difficulty_);
  Board board;
  for (int r = 1; r <= 12; ++r)
    for (int c = 1; c <= 12; ++c) board.set(c, r, cell::kWall);
  carveMaze(board);
  placeStartAndEnd(board);

  kinds = {};
  kinds[static_cast<std::size_t>(ObjectKind::Blocks)] = recipe.blocks;
  const int kindCount = random_.between(recipe.kindsLow, recipe.kindsHigh);
  for (int chosen = recipe.blocks ? 1 : 0; chosen < kindCount;) {
    bool& kind = kinds[static_cast<std::size_t>(random_.below(kObjectKinds))];
    if (!kind) kind = true, ++chosen;
  }
  for (std::size_t k = 0; k < kObjectKinds; ++k) {
    if (!kinds[k]) continue;
    const int objects = random_.between(recipe.objectsLow, recipe.objectsHigh);
    for (int i = 0; i < objects; ++i) addObject(board, static_cast<ObjectKind>(k));
  }
  return board;
}

void BoardMaker::carveMaze(Board& board) {
  const Recipe recipe = recipeOf(difficulty_);
  const int across = random_.between(recipe.nodesLow, recipe.nodesHigh);
  const int down = random_.between(recipe.nodesLow, recipe.nodesHigh);
  const int left = random_.between(1, 12 - 2 * (across - 1));
  const int top = random_.between(1, 12 - 2 * (down - 1));
  const auto open = [&](int x, int y) { board.set(left + x, top + y, cell::kEmpty); };
  const auto inMaze = [&](int i, int j) { return i >= 0 && i < across && j >= 0 && j < down; };

  // Depth first from a random crossing: long winding corridors.
  std::vector<bool> visited(static_cast<std::size_t>(across * down), false);
  const auto seen = [&](int i, int j) { return visited[static_cast<std::size_t>(i + across * j)]; };
  std::vector<std::pair<int, int>> stack{{random_.below(across), random_.below(down)}};
  visited[static_cast<std::size_t>(stack[0].first + across * stack[0].second)] = true;
  open(2 * stack[0].first, 2 * stack[0].second);
  while (!stack.empty()) {
    const auto [i, j] = stack.back();
    std::vector<std::pair<int, int>> ways;
    for (const auto& [di, dj] : kSteps)
      if (inMaze(i + di, j + dj) && !seen(i + di, j + dj)) ways.emplace_back(di, dj);
    if (ways.empty()) {
      stack.pop_back();
      continue;
    }
    const auto [di, dj] =
        ways[static_cast<std::size_t>(random_.below(static_cast<int>(ways.size())))];
    open(2 * i + di, 2 * j + dj);
    open(2 * (i + di), 2 * (j + dj));
    visited[static_cast<std::size_t>(i + di + across * (j + dj))] = true;
    stack.emplace_back(i + di, j + dj);
  }
  // Loops, so that there is more than one way round.
  for (int j = 0; j < down; ++j)
    for (int i = 0; i < across; ++i) {
      if (i + 1 < across && random_.chance(recipe.loopPercent)) open(2 * i + 1, 2 * j);
      if (j + 1 < down && random_.chance(recipe.loopPercent)) open(2 * i, 2 * j + 1);
    }
  // Rooms, where blocks have space to be pushed about.
  const int rooms = random_.between(0, recipe.roomsHigh);
  for (int room = 0; room < rooms; ++room) {
    const int width = random_.between(2, 3), height = random_.between(2, 3);
    const int x = random_.between(0, std::max(0, 2 * across - 1 - width));
    const int y = random_.between(0, std::max(0, 2 * down - 1 - height));
    for (int dy = 0; dy < height; ++dy)
      for (int dx = 0; dx < width; ++dx)
        if (Board::inPlay(left + x + dx, top + y + dy)) open(x + dx, y + dy);
  }
}

void BoardMaker::placeStartAndEnd(Board& board) {
  const Cell from = *randomCell(board, cell::kEmpty);
  const auto [startCol, startRow] = farthestFrom(board, from.col, from.row);
  const auto [endCol, endRow] = farthestFrom(board, startCol, startRow);
  board.set(startCol, startRow, cell::kStart);
  board.set(endCol, endRow, cell::kEnd);
}

void BoardMaker::addObject(Board& board, ObjectKind kind) {
  const auto place = [&](std::int16_t code) {
    if (const auto at = placeFor(board, code)) board.set(at->col, at->row, code);
  };
  switch (kind) {
    case ObjectKind::Blocks: place(cell::kPushBlock); break;
    case ObjectKind::Arrows:
      place(static_cast<std::int16_t>(random_.between(cell::kArrowLeft, cell::kFourWay)));
      break;
    case ObjectKind::Gates:
      if (count(board, cell::kSwitch, cell::kSwitch) == 0) place(cell::kSwitch);
      place(random_.chance(50) ? cell::kBlueGate : cell::kRedGate);
      break;
    case ObjectKind::Keys:
      place(cell::kKeyBlock);
      place(cell::kKey);
      break;
  }
}

std::optional<BoardMaker::Cell> BoardMaker::placeFor(const Board& board, std::int16_t code) {
  std::vector<Cell> cells;
  if (random_.chance(75)) {
    if (code == cell::kBlueGate || code == cell::kRedGate || code == cell::kKeyBlock)
      cells = emptyOnWay(board);
    else if (code == cell::kKey || code == cell::kSwitch) cells = emptyDeadEnds(board);
  }
  if (cells.empty()) return randomCell(board, cell::kEmpty);
  return cells[static_cast<std::size_t>(random_.below(static_cast<int>(cells.size())))];
}

std::vector<BoardMaker::Cell> BoardMaker::emptyOnWay(const Board& board) {
  const auto start = startCell(board);
  std::vector<Cell> cells;
  if (!start) return cells;
  const auto distance = distancesFrom(board, start->first, start->second);
  int col = -1, row = -1;
  for (int r = 1; r <= 12; ++r)
    for (int c = 1; c <= 12; ++c)
      if (board.at(c, r) == cell::kEnd) col = c, row = r;
  const auto at = [&](int c, int r) {
    return distance[static_cast<std::size_t>(c + Board::kSide * r)];
  };
  if (col < 0 || at(col, row) < 0) return cells;
  // Back from the end, always to a cell one step nearer the start.
  while (at(col, row) > 0) {
    for (const auto& [dc, dr] : kSteps)
      if (Board::inPlay(col + dc, row + dr) && at(col + dc, row + dr) == at(col, row) - 1) {
        col += dc, row += dr;
        break;
      }
    if (board.at(col, row) == cell::kEmpty) cells.push_back({col, row});
  }
  return cells;
}

std::vector<BoardMaker::Cell> BoardMaker::emptyDeadEnds(const Board& board) {
  std::vector<Cell> cells;
  for (int r = 1; r <= 12; ++r)
    for (int c = 1; c <= 12; ++c) {
      if (board.at(c, r) != cell::kEmpty) continue;
      int open = 0;
      for (const auto& [dc, dr] : kSteps)
        open += Board::inPlay(c + dc, r + dr) && board.at(c + dc, r + dr) != cell::kWall;
      if (open == 1) cells.push_back({c, r});
    }
  return cells;
}

std::optional<BoardMaker::Cell> BoardMaker::randomCell(const Board& board, std::int16_t code) {
  std::vector<Cell> cells;
  for (int r = 1; r <= 12; ++r)
    for (int c = 1; c <= 12; ++c)
      if (board.at(c, r) == code) cells.push_back({c, r});
  if (cells.empty()) return std::nullopt;
  return cells[static_cast<std::size_t>(random_.below(static_cast<int>(cells.size())))];
}

bool BoardMaker::mutate(Board& board, const KindSet& kinds) {
  const int what = random_.below(100);
  if (what < 35) {  // open a wall beside the open board, or wall up an empty cell
    const Cell at{random_.between(1, 12), random_.between(1, 12)};
    const std::int16_t code = board.at(at.col, at.row);
    if (code == cell::kEmpty) {
      board.set(at.col, at.row, cell::kWall);
      return true;
    }
    if (code != cell::kWall) return false;
    for (const auto& [dc, dr] : kSteps)
      if (Board::inPlay(at.col + dc, at.row + dr) &&
          board.at(at.col + dc, at.row + dr) != cell::kWall) {
        board.set(at.col, at.row, cell::kEmpty);
        return true;
      }
    return false;
  }
  std::vector<Cell> objects;
  for (int r = 1; r <= 12; ++r)
    for (int c = 1; c <= 12; ++c)
      if (isObject(board.at(c, r))) objects.push_back({c, r});
  const Cell at =
      objects[static_cast<std::size_t>(random_.below(static_cast<int>(objects.size())))];
  const std::int16_t code = board.at(at.col, at.row);
  if (what < 65) {  // move an object, the start or the end to an empty cell
    const auto to = placeFor(board, code);
    if (!to) return false;
    board.set(to->col, to->row, code);
    board.set(at.col, at.row, cell::kEmpty);
    return true;
  }
  if (what < 80) {  // one more object of the level's kinds
    std::vector<ObjectKind> chosen;
    for (std::size_t k = 0; k < kObjectKinds; ++k)
      if (kinds[k]) chosen.push_back(static_cast<ObjectKind>(k));
    addObject(board,
              chosen[static_cast<std::size_t>(random_.below(static_cast<int>(chosen.size())))]);
    return true;
  }
  if (code == cell::kStart || code == cell::kEnd) return false;
  if (what < 90 || !cell::isArrow(code)) {  // take an object away
    board.set(at.col, at.row, cell::kEmpty);
    return true;
  }
  // Turn an arrow into another one.
  board.set(at.col, at.row,
            static_cast<std::int16_t>(cell::kArrowLeft +
                                      (code - cell::kArrowLeft + random_.between(1, 4)) % 5));
  return true;
}

bool BoardMaker::keepsKinds(const Board& board, const KindSet& kinds) {
  if (count(board, cell::kStart, cell::kStart) != 1 || count(board, cell::kEnd, cell::kEnd) != 1)
    return false;
  const auto has = [&](ObjectKind kind) {
    switch (kind) {
      case ObjectKind::Blocks: return count(board, cell::kPushBlock, cell::kPushBlock) > 0;
      case ObjectKind::Arrows: return count(board, cell::kArrowLeft, cell::kFourWay) > 0;
      case ObjectKind::Gates:
        return count(board, cell::kSwitch, cell::kSwitch) > 0 &&
               count(board, cell::kBlueGate, cell::kRedGate) > 0;
      case ObjectKind::Keys:
        return count(board, cell::kKey, cell::kKey) > 0 &&
               count(board, cell::kKeyBlock, cell::kKeyBlock) > 0;
    }
    return false;
  };
  for (std::size_t k = 0; k < kObjectKinds; ++k)
    if (kinds[k] && !has(static_cast<ObjectKind>(k))) return false;
  return true;
}

}  // namespace dwaalbos
