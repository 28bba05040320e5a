#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "level/game_paths.h"
#include "level/progress.h"
#include "play/rules/shown.h"

namespace dwaalbos {

// Where the game keeps what the player achieved. The game folder's files are the usual place;
// a game that must leave no trace (a replay, a test) gives the game a port of its own.
class ProgressPort {
 public:
  virtual ~ProgressPort() = default;
  // The best result of level `levelNumber` (0: a level file) after `moves` moves. Returns
  // the text telling why it could not be saved, or nothing.
  virtual std::optional<std::string> recordBest(int levelNumber, int moves) = 0;
  // The moves that completed standard level `levelNumber` from its start (empty when they are
  // not known), kept when they are its shortest yet. Returns the text telling why they could
  // not be saved, or nothing. A port that keeps nothing need not say so.
  virtual std::optional<std::string> recordSolution(int /*levelNumber*/,
                                                    std::string_view /*moves*/) {
    return std::nullopt;
  }
  // The fewest moves kept for standard level `levelNumber`, 0 for none.
  virtual int best(int /*levelNumber*/) { return 0; }
  // The same for the levels that are not standard, found by their key (contentKey): the
  // fewest moves kept, 0 for none, and a completion in `moves` by `way` (empty when not known)
  // to be kept where it is better. Returns the text telling why it could not be saved, or
  // nothing.
  virtual int bestOf(std::uint64_t /*key*/) { return 0; }
  virtual std::optional<std::string> recordResult(std::uint64_t /*key*/, int /*moves*/,
                                                  std::string_view /*way*/) {
    return std::nullopt;
  }
  // The furthest level of each set opened as stored.
  virtual Vordering stored() = 0;
  // Opens level `next` of the set. Returns what the player is to be told of the write: why
  // it failed, or what it left out of a file too long; nothing when there is nothing to tell.
  virtual std::optional<shown::Tell> open(bool secondSet, std::int16_t next) = 0;
};

// Best results in Scores.dat, their moves in Oplossingen.dat, those of other levels in
// Resultaten.dat, progress in its file of the game folder.
class ProgressFiles : public ProgressPort {
 public:
  explicit ProgressFiles(const GamePaths& paths) : paths_(paths) {}

  std::optional<std::string> recordBest(int levelNumber, int moves) override;
  std::optional<std::string> recordSolution(int levelNumber, std::string_view moves) override;
  int best(int levelNumber) override;
  int bestOf(std::uint64_t key) override;
  std::optional<std::string> recordResult(std::uint64_t key, int moves,
                                          std::string_view way) override;
  Vordering stored() override;
  std::optional<shown::Tell> open(bool secondSet, std::int16_t next) override;

 private:
  const GamePaths& paths_;
};

}  // namespace dwaalbos
