#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "play/headless/headless_host.h"
#include "support/temp_folder.h"

// A level file made from a few board rows (padded with empty cells to 12 x 12), played
// through the headless host. Symbols as in the level sources: S start, E end, # wall ...
class PlayBoard {
 public:
  PlayBoard(std::initializer_list<const char*> rows, bool answerYes = false);

  // Plays the keys from the start of the level (L R U D S).
  bool play(const std::string& keys) { return host.play(keys); }

  // Puts a code no level source can spell into the level file.
  void setFileCell(int col, int row, int code);
  const dwaalbos::GameState& game() const { return host.engine().gameState(); }
  int at(int col, int row) const { return game().veld.at(col, row); }
  int col() const { return game().col; }
  int row() const { return game().row; }
  dwaalbos::Direction richting() const { return game().richting; }
  std::vector<int> sounds() const;
  std::vector<std::string> dialogTitles() const;
  std::string board() const;  // the rows of the working board, as symbols

  TempFolder folder;
  dwaalbos::SharedState shared;
  dwaalbos::HeadlessHost host;
};
