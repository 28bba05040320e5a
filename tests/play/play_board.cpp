#include "play_board.h"

#include "level/level_file.h"
#include "level/level_text.h"
#include "support/test_levels.h"

using namespace dwaalbos;

PlayBoard::PlayBoard(std::initializer_list<const char*> rows, bool answerYes)
    : shared(folder.root().string()), host(shared, answerYes) {
  shared.LevelBestand = folder.path("level.dwb");
  writeLevelFile(shared.LevelBestand, testing::levelFromRows(rows));
}

std::vector<int> PlayBoard::sounds() const {
  std::vector<int> out;
  for (const auto& event : host.events())
    if (event.sound != 0) out.push_back(event.sound);
  return out;
}

std::vector<std::string> PlayBoard::dialogTitles() const {
  std::vector<std::string> out;
  for (const auto& event : host.events())
    if (event.sound == 0) out.push_back(event.title);
  return out;
}

std::string PlayBoard::board() const {
  std::string out;
  for (int r = 1; r <= 12; ++r) {
    for (int c = 1; c <= 12; ++c) out += symbolOfCode(at(c, r));
    out += '\n';
  }
  return out;
}

void PlayBoard::setFileCell(int col, int row, int code) {
  auto level = readLevelFile(shared.LevelBestand).value();
  level.Vakken.set(col, row, static_cast<std::int16_t>(code));
  writeLevelFile(shared.LevelBestand, level);
}
