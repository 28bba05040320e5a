#include "progress_port.h"

#include "level/best_solutions.h"
#include "level/file_messages.h"
#include "level/scores.h"

namespace dwaalbos {

std::optional<std::string> ProgressFiles::recordBest(int levelNumber, int moves) {
  const std::string path = paths_.scores();
  const auto saved = recordBestResult(path, levelNumber, moves);
  if (!saved || *saved) return std::nullopt;
  return notSavedText(path, paths_.explained(path, *saved));
}

std::optional<std::string> ProgressFiles::recordSolution(int levelNumber, std::string_view moves) {
  const std::string path = paths_.bestSolutions();
  const auto saved = recordBestSolution(path, levelNumber, moves);
  if (!saved || *saved) return std::nullopt;
  return notSavedText(path, paths_.explained(path, *saved));
}

int ProgressFiles::best(int levelNumber) {
  return readBestResults(paths_.scores()).of(levelNumber);
}

Vordering ProgressFiles::stored() { return readProgress(paths_.progress()).value_or(Vordering{}); }

std::optional<std::string> ProgressFiles::open(bool secondSet, std::int16_t next) {
  const std::string path = paths_.progress();
  const WriteResult saved = paths_.explained(
      path, secondSet ? writeSecondSetProgress(path, next) : writeFirstSetProgress(path, next));
  if (saved) return std::nullopt;
  return notSavedText(path, saved);
}

}  // namespace dwaalbos
