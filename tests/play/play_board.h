#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "level/level_file.h"
#include "play/headless/headless_host.h"
#include "play/session/own_levels.h"
#include "play/session/progress_port.h"
#include "support/temp_folder.h"
#include "support/test_levels.h"

// A headless host that runs `hook` before every pass that reads keys, as a menu command chosen
// between two passes would, and holds the `held` keys down besides the letter of the pass.
class HookedHost : public dwaalbos::HeadlessHost {
 public:
  using Hook = std::function<void(dwaalbos::Game&, int pass)>;
  HookedHost(dwaalbos::SharedState& shared, Hook hook, std::set<dwaalbos::GameKey> held = {})
      : HeadlessHost(shared, false), hook_(std::move(hook)), held_(std::move(held)) {}
  dwaalbos::KeySet keysOfPass() override {
    const dwaalbos::Phase phase = game().play().phase();
    if (hook_ && (phase == dwaalbos::Phase::Playing || phase == dwaalbos::Phase::Replaying))
      hook_(game(), passes_++);
    dwaalbos::KeySet keys = HeadlessHost::keysOfPass();
    for (dwaalbos::GameKey key : held_) keys.add(key);
    return keys;
  }

 private:
  Hook hook_;
  std::set<dwaalbos::GameKey> held_;
  int passes_ = 0;
};

// Keeps what a game asks to record, and writes nothing.
class RecordingProgress : public dwaalbos::ProgressPort {
 public:
  std::optional<std::string> recordBest(int level, int moves) override {
    calls.push_back("best " + std::to_string(level) + " " + std::to_string(moves));
    return std::nullopt;
  }
  dwaalbos::Vordering stored() override { return {1, 1}; }
  std::optional<dwaalbos::shown::Tell> open(bool second, std::int16_t next) override {
    calls.push_back("open " + std::to_string(second) + " " + std::to_string(next));
    return told;
  }
  std::vector<std::string> calls;
  std::optional<dwaalbos::shown::Tell> told;  // what open() tells, if anything
};

// A level file made from a few board rows (padded with empty cells to 12 x 12), played
// through the headless host. Symbols as in the level sources: S start, E end, # wall ...
class PlayBoard {
 public:
  PlayBoard(std::initializer_list<const char*> rows, bool answerYes = false)
      : shared(folder.root().string()), host(shared, answerYes) {
    dwaalbos::writeLevelFile(level.path, dwaalbos::testing::levelFromRows(rows));
  }

  // `ref` with its content read, as a front end hands it to the game.
  dwaalbos::LevelRef read(dwaalbos::LevelRef ref) const {
    return dwaalbos::loaded(std::move(ref), shared.sets).value();
  }
  // Plays the keys from the start of the level (L R U D S).
  bool play(const std::string& keys) { return host.play(level, keys); }

  // Changes the level file, also in ways no level source can spell.
  void editFile(const std::function<void(dwaalbos::Doolhof&)>& edit) {
    auto doolhof = dwaalbos::readLevelFile(level.path).value();
    edit(doolhof);
    dwaalbos::writeLevelFile(level.path, doolhof);
  }
  const dwaalbos::GameState& game() const { return host.game().play().gameState(); }
  int at(int col, int row) const { return game().veld.at(col, row); }
  int col() const { return game().col; }
  int row() const { return game().row; }
  dwaalbos::Direction richting() const { return game().richting; }
  std::vector<int> sounds() const {
    std::vector<int> out;
    for (const auto& event : host.events())
      if (event.sound != 0) out.push_back(event.sound);
    return out;
  }
  std::vector<std::string> dialogTitles() const {
    std::vector<std::string> out;
    for (const auto& event : host.events())
      if (event.sound == 0) out.push_back(event.title);
    return out;
  }
  // The rows of the working board, as symbols.
  std::string board() const {
    std::string out;
    for (int r = 1; r <= 12; ++r) out += dwaalbos::testing::symbolRow(game().veld, r) + '\n';
    return out;
  }

  TempFolder folder;
  dwaalbos::LevelRef level = dwaalbos::LevelRef::file(folder.path("level.dwb"));
  dwaalbos::SharedState shared;
  dwaalbos::HeadlessHost host;
};
