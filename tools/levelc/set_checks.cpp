#include "set_checks.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "level/collection_file.h"
#include "level/level_file.h"
#include "level/level_sets.h"
#include "level/shared_state.h"
#include "level/texts.h"
#include "play/headless/headless_host.h"
#include "play/rules/rules.h"
#include "play/solver/quality.h"
#include "play/solver/solver.h"

namespace dwaalbos::levelc {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kLeastLateStates = 5000;
constexpr std::size_t kMostMoves = 250;
constexpr int kMostForcedPercent = 80;
// A solution this long over a search this small is a walk, not a puzzle.
constexpr std::size_t kLongWalkMoves = 100;
constexpr std::size_t kLongWalkStates = 2000;
constexpr std::size_t kQualityLimit = 2'000'000;

std::size_t movesOf(const Solution& solution) {
  return solution.solvable ? solution.moves.size() : 0;
}

// Plays the keys on the level as a level file, the way the file dialog would start it.
bool completesWhenPlayed(const Doolhof& level, const std::string& keys) {
  std::string folder = (fs::temp_directory_path() / "dwaalbos-levelc-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) return false;
  bool completed = false;
  {
    SharedState shared(folder);
    const std::string path = folder + "/level.dwb";
    if (writeLevelFile(path, level)) {
      HeadlessHost host(shared, false);
      const auto& events = host.events();
      completed = host.play(LevelRef::file(path), keys) && host.ended() &&
                  std::any_of(events.begin(), events.end(), [](const auto& event) {
                    return event.sound == 0 && event.title == texts::kKlaarTitle;
                  });
    }
  }
  std::error_code error;
  fs::remove_all(folder, error);
  return completed;
}

// Set 1 grows from a handful of moves to sixty or more, its five first levels all shorter
// than its five last; set 2 asks for long solutions.
void checkGrowth(const std::vector<Solution>& solutions, int set,
                 std::vector<std::string>& problems) {
  std::vector<std::size_t> lengths;
  for (const Solution& solution : solutions) lengths.push_back(movesOf(solution));
  const std::size_t n = lengths.size();
  if (n < 10) return;
  if (set == 1) {
    const std::size_t longestEarly = *std::max_element(lengths.begin(), lengths.begin() + 5);
    const std::size_t shortestLate = *std::min_element(lengths.end() - 5, lengths.end());
    if (lengths.front() > 20 || lengths.back() < 60 || longestEarly >= shortestLate)
      problems.push_back("set 1 does not grow from a handful of moves to sixty or more");
    return;
  }
  std::vector<std::size_t> sorted = lengths;
  std::sort(sorted.begin(), sorted.end());
  if ((sorted[n / 2 - 1] + sorted[n / 2]) / 2.0 <= 80.0)
    problems.push_back("set 2 asks for too short solutions");
}

// From its sixth level on set 2 asks for a real search, three times that of its first level
// at least, and its last five levels are its hardest.
void checkClimb(const std::vector<Solution>& solutions, std::vector<std::string>& problems) {
  const std::size_t n = solutions.size();
  if (n < 10) return;
  const std::size_t floor = std::max<std::size_t>(kLeastLateStates, 3 * solutions.front().states);
  for (std::size_t i = 5; i < n; ++i) {
    if (solutions[i].states < floor)
      problems.push_back("level " + std::to_string(i + 1) + " of set 2 explores " +
                         std::to_string(solutions[i].states) + " states, under " +
                         std::to_string(floor));
  }
  std::size_t hardestEarly = 0;
  for (std::size_t i = 0; i + 5 < n; ++i)
    hardestEarly = std::max(hardestEarly, solutions[i].states);
  for (std::size_t i = n - 5; i < n; ++i) {
    if (solutions[i].states <= hardestEarly)
      problems.push_back("level " + std::to_string(i + 1) +
                         " of set 2 is easier than a level before the last five");
  }
}

// A level is played at its own pace and asks for thought: not too long, not a long walk
// through a small search, not a corridor.
void checkThought(const std::string& name, const Doolhof& level, const Solution& solution,
                  std::vector<std::string>& problems) {
  const std::size_t moves = solution.moves.size();
  if (moves > kMostMoves)
    problems.push_back(name + " needs " + std::to_string(moves) + " moves, over " +
                       std::to_string(kMostMoves));
  if (moves > kLongWalkMoves && solution.states < kLongWalkStates)
    problems.push_back(name + " is a long walk: over 100 moves and under 2000 states");
  const LevelQuality quality = measureQuality(levelStart(level), solution.moves, kQualityLimit);
  if (quality.forcedPercent() > kMostForcedPercent)
    problems.push_back(name + " is a corridor: " + std::to_string(quality.forcedPercent()) +
                       " % of its solution is forced");
}

// A level of a set or a collection: it has its texts, no board or name of a level before it
// or of `others`, a shortest solution of 8 moves or more that the game accepts when played,
// and asks for thought.
Solution checkLevel(const std::vector<Doolhof>& records, std::size_t i,
                    const std::vector<Doolhof>& others, std::vector<std::string>& problems) {
  const Doolhof& level = records[i];
  const std::string name = "level " + std::to_string(i) + " (" + level.Naam + ")";
  if (level.Naam.empty() || level.Maker.empty() || level.Commentaar.empty())
    problems.push_back(name + " lacks a name, maker or comment");
  for (std::size_t j = 1; j < i; ++j) {
    if (records[j].Vakken == level.Vakken || records[j].Naam == level.Naam)
      problems.push_back(name + " repeats level " + std::to_string(j));
  }
  for (const Doolhof& other : others) {
    if (other.Vakken == level.Vakken || other.Naam == level.Naam)
      problems.push_back(name + " copies the board or name of " + other.Naam);
  }
  Solution solution = solve(level);
  if (!solution.solvable || solution.moves.size() < 8)
    problems.push_back(name + " cannot be completed, or in under 8 moves");
  else if (!completesWhenPlayed(level, solution.moves))
    problems.push_back(name + " is not completed by playing " + solution.moves);
  else checkThought(name, level, solution, problems);
  return solution;
}

}  // namespace

std::vector<std::string> levelSetProblems(const std::vector<Doolhof>& records, int set) {
  std::vector<std::string> problems;
  const std::size_t wanted = set == 1 ? kSet1Records : kSet2Records;
  if (records.size() != wanted) {
    problems.push_back("set " + std::to_string(set) + " has " + std::to_string(records.size()) +
                       " records instead of " + std::to_string(wanted));
    return problems;
  }
  if (records.front().Naam.empty()) problems.push_back("the title record has no name");
  std::vector<Solution> solutions;
  for (std::size_t i = 1; i < records.size(); ++i)
    solutions.push_back(checkLevel(records, i, {}, problems));
  checkGrowth(solutions, set, problems);
  if (set == 2) checkClimb(solutions, problems);
  return problems;
}

std::vector<std::string> collectionProblems(const std::vector<Doolhof>& records,
                                            const std::vector<Doolhof>& others) {
  std::vector<std::string> problems;
  if (records.size() < 2 || records.size() > kMostCollectionLevels + 1) {
    problems.push_back("a collection holds a title and 1 to 999 levels");
    return problems;
  }
  if (records.front().Naam.empty() || records.front().Maker.empty())
    problems.push_back("the title record lacks a title or an author");
  for (std::size_t i = 1; i < records.size(); ++i) checkLevel(records, i, others, problems);
  return problems;
}

}  // namespace dwaalbos::levelc
