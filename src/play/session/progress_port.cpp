#include "progress_port.h"

#include "level/best_solutions.h"
#include "level/file_messages.h"
#include "level/level_results.h"
#include "level/scores.h"
#include "level/texts.h"

namespace dwaalbos {
namespace {

std::optional<std::string> failure(const GamePaths& paths, const std::string& path,
                                   const std::optional<WriteResult>& saved) {
  if (!saved || *saved) return std::nullopt;
  return notSavedText(path, paths.explained(path, *saved));
}

}  // namespace

std::optional<std::string> ProgressFiles::recordBest(int levelNumber, int moves) {
  const std::string path = paths_.scores();
  return failure(paths_, path, recordBestResult(paths_.locked(path), levelNumber, moves));
}

std::optional<std::string> ProgressFiles::recordSolution(int levelNumber, std::string_view moves) {
  const std::string path = paths_.bestSolutions();
  return failure(paths_, path, recordBestSolution(paths_.locked(path), levelNumber, moves));
}

int ProgressFiles::best(int levelNumber) {
  return readBestResults(paths_.scores()).of(levelNumber);
}

int ProgressFiles::bestOf(std::uint64_t key) {
  const LevelResults results = readLevelResults(paths_.levelResults());
  const LevelResult* kept = results.of(key);
  return kept ? kept->best : 0;
}

std::optional<std::string> ProgressFiles::recordResult(std::uint64_t key, int moves,
                                                       std::string_view way) {
  const std::string path = paths_.levelResults();
  return failure(paths_, path, recordLevelResult(paths_.locked(path), key, moves, way));
}

Vordering ProgressFiles::stored() { return readProgress(paths_.progress()).value_or(Vordering{}); }

// The next level stays open when the file refuses the new value; the player is told that it
// does so only until the game ends.
std::optional<shown::Tell> ProgressFiles::open(bool secondSet, std::int16_t next) {
  const std::string path = paths_.progress();
  const WriteResult saved = paths_.explained(path, openLevel(paths_.locked(path), secondSet, next));
  if (!saved)
    return shown::Tell{texts::tr(texts::kNotSavedTitle),
                       notSavedText(path, saved) + texts::tr(texts::kVorderingTijdelijk),
                       Icon::Critical};
  if (saved.dropped() != 0)
    return shown::Tell{texts::tr(texts::kIngekortTitle), droppedTailText(path, saved),
                       Icon::Exclamation};
  return std::nullopt;
}

}  // namespace dwaalbos
