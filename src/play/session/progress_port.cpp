#include "progress_port.h"

#include "level/best_solutions.h"
#include "level/file_messages.h"
#include "level/scores.h"
#include "level/texts.h"

namespace dwaalbos {

std::optional<std::string> ProgressFiles::recordBest(int levelNumber, int moves) {
  const std::string path = paths_.scores();
  const auto saved = recordBestResult(paths_.locked(path), levelNumber, moves);
  if (!saved || *saved) return std::nullopt;
  return notSavedText(path, paths_.explained(path, *saved));
}

std::optional<std::string> ProgressFiles::recordSolution(int levelNumber, std::string_view moves) {
  const std::string path = paths_.bestSolutions();
  const auto saved = recordBestSolution(paths_.locked(path), levelNumber, moves);
  if (!saved || *saved) return std::nullopt;
  return notSavedText(path, paths_.explained(path, *saved));
}

int ProgressFiles::best(int levelNumber) {
  return readBestResults(paths_.scores()).of(levelNumber);
}

Vordering ProgressFiles::stored() { return readProgress(paths_.progress()).value_or(Vordering{}); }

// The next level stays open when the file refuses the new value; the player is told that it
// does so only until the game ends.
std::optional<shown::Tell> ProgressFiles::open(bool secondSet, std::int16_t next) {
  const std::string path = paths_.progress();
  const WriteResult saved = paths_.explained(path, openLevel(paths_.locked(path), secondSet, next));
  if (!saved)
    return shown::Tell{texts::kNotSavedTitle,
                       notSavedText(path, saved) + texts::kVorderingTijdelijk, Icon::Critical};
  if (saved.dropped() != 0)
    return shown::Tell{texts::kIngekortTitle, droppedTailText(path, saved), Icon::Exclamation};
  return std::nullopt;
}

}  // namespace dwaalbos
