#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "level/board.h"
#include "level/cell_codes.h"
#include "play_types.h"

namespace dwaalbos {

// One recorded cell of a way over arrows (`Lijnstuk`).
struct Lijnstuk {
  int LijnX = 0;
  int LijnY = 0;
  Direction Lijnrichting = Direction::None;
  bool Isblok = false;
};

// What the rules and the session show and play, item by item in the order they happen. A front
// end plays them at
// its own pace (the play window), records them (the command-line tool) or drops them.
namespace shown {

// The board and the player on his cell, as the game is at this point; made visible when
// `refresh` is set.
struct Redraw {
  Board veld;
  bool schakelaar = true;
  int col = 1;
  int row = 1;
  bool refresh = true;
};
// The player walks from his cell one cell towards `richting` in five frames, `frameMs` apart,
// with the next walking frame each time; the first `blocks` cells ahead of him slide along.
struct Walk {
  Board veld;
  bool schakelaar = true;
  int col = 1;
  int row = 1;
  Direction richting = Direction::None;
  int blocks = 0;
  int frameMs = 0;
};
// The player turns to `richting` (None: the front view); `firstFrame` puts his feet together.
struct Face {
  Direction richting = Direction::None;
  bool firstFrame = false;
};
// What was drawn on the board becomes visible.
struct Refresh {};
// The way of a ride over arrows, piece by piece, `pieceMs` apart.
struct Bars {
  std::vector<Lijnstuk> pieces;
  int pieceMs = 0;
};
struct Sound {
  Sample sample = Sample::None;
};
struct Wait {
  int ms = 0;
};
struct KeyCount {
  int keys = 0;
};
// Every key pressed until here is forgotten (`toetsenleeg`).
struct FlushKeys {};
// A box that tells the player something; what follows is shown once he has closed it.
struct Tell {
  std::string title;
  std::string text;
  Icon icon = Icon::None;
};
// The player on the end square of (col, row): a short moment of triumph.
struct Celebrate {
  int col = 1;
  int row = 1;
};
// The board of a new game, the player on his start square: with the ring transition when
// asked, else plainly. The player is drawn facing as he last faced, in his last walking frame;
// the start turns him right only afterwards.
struct Reveal {
  Board veld;
  bool schakelaar = true;
  int col = 1;
  int row = 1;
  bool transition = false;
};
// `leeg` on screen: the board picture cleared to black.
struct Cleared {};
// The play window shows, or takes the focus when it is shown (`Beginnen`).
struct ShowWindow {};
// The name and maker beside the board, already "Geennaam"/"Anoniem" where empty.
struct Captions {
  std::string naam;
  std::string maker;
};
struct Title {
  std::string text;
};
// Play waits for a click on the board (`Pauze`), or goes on.
struct Paused {
  bool on = false;
};
// The moves made in this attempt, and whether one can be taken back or played again.
struct Moves {
  int moves = 0;
  bool canUndo = false;
  bool canRedo = false;
};
// How the level just completed went, for the cleared board: the moves made and, for a
// standard level, its number (0: another level, whose key is given), so that they can be set
// beside the shortest possible; `newBest` when they beat the best kept from before.
struct Result {
  int levelNumber = 0;
  int moves = 0;
  bool newBest = false;
  std::uint64_t key = 0;
};
// The follow-line delay was set to 20 by the first playback: the panel's box shows it.
struct FollowDelay {};
// A level begins: the window draws it with raster operations, whatever was chosen before.
struct LevelBegun {};
// The level's introduction screen, with play disabled under it; dismissing it is
// Game::verder.
struct Introduce {
  Introduction texts;
};
// The player leaves the level: the window keeps what it keeps (its options) before the rest.
struct Leaving {};
// The player left the game outside a test play: the play window goes, the menu shows.
struct ToMenu {};
// A test play is over: the play window goes and the editor runs again, told whether the level
// was completed.
struct ToEditor {
  bool completed = false;
};
// The player wants the next new maze after a generated level: the front end makes it (it
// takes a while) and starts it. `difficulty` is the generator's number.
struct NextMaze {
  int difficulty = 0;
  std::uint32_t seed = 0;
};
// A page or a mail link, for the desktop's handler.
struct OpenDocument {
  std::string address;
};

// Lambdas for std::visit, one per kind of item.
template <class... Each>
struct Handlers : Each... {
  using Each::operator()...;
};

}  // namespace shown

using Shown =
    std::variant<shown::Redraw, shown::Walk, shown::Face, shown::Refresh, shown::Bars, shown::Sound,
                 shown::Wait, shown::KeyCount, shown::FlushKeys, shown::Tell, shown::Celebrate,
                 shown::Reveal, shown::Cleared, shown::ShowWindow, shown::Captions, shown::Title,
                 shown::Paused, shown::Moves, shown::FollowDelay, shown::Result, shown::LevelBegun,
                 shown::Introduce, shown::Leaving, shown::ToMenu, shown::ToEditor, shown::NextMaze,
                 shown::OpenDocument>;

}  // namespace dwaalbos
