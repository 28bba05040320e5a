// The two standard level sets as the game reads them: every playable level has its texts, can
// be completed, and its shortest solution completes it when played; the sets grow harder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "level/level_file.h"
#include "level/shared_state.h"
#include "play/engine/texts.h"
#include "play/headless/headless_host.h"
#include "play/solver/solver.h"
#include "support/temp_folder.h"

using namespace dwaalbos;

namespace {

const LevelSets& standardSets() {
  static const LevelSets sets = [] {
    const char* folder = std::getenv("DWAALBOS_GAME_DIR");
    SharedState shared(folder != nullptr ? folder : ".");
    shared.readLevelSets();
    return shared.sets;
  }();
  return sets;
}

// The shortest solutions of the levels numbered first..last (an unsolvable level counts 0 moves).
std::vector<Solution> solutions(int first, int last) {
  std::vector<Solution> out;
  for (int number = first; number <= last; ++number) {
    const Doolhof* level = standardSets().byNumber(number);
    out.push_back(level != nullptr ? solve(*level) : Solution{});
  }
  return out;
}

std::size_t movesOf(const Solution& solution) { return solution.solvable ? solution.moves.size() : 0; }

// Plays the keys on the level as a level file, the way the file dialog would start it.
bool completesWhenPlayed(const Doolhof& level, const std::string& keys) {
  TempFolder folder;
  SharedState shared(folder.root().string());
  shared.LevelBestand = folder.path("level.dwb");
  if (!writeLevelFile(shared.LevelBestand, level)) return false;
  HeadlessHost host(shared, false);
  if (!host.play(keys) || !host.ended()) return false;
  const auto& events = host.events();
  return std::any_of(events.begin(), events.end(), [](const HeadlessHost::Event& event) {
    return event.sound == 0 && event.title == texts::kKlaarTitle;
  });
}

}  // namespace

TEST(StandardLevelSets, HoldTwentyThreeAndTwentyPlayableLevels) {
  EXPECT_EQ(standardSets().Levelset1.size(), kSet1Records);
  EXPECT_EQ(standardSets().Levelset2.size(), kSet2Records);
  for (const LevelSet* set : {&standardSets().Levelset1, &standardSets().Levelset2}) {
    const Doolhof* title = set->element(0);
    ASSERT_NE(title, nullptr);
    EXPECT_FALSE(title->Naam.empty());
  }
}

TEST(StandardLevelSets, NoTwoLevelsShareABoard) {
  for (int a = 1; a <= kLastLevelNumber; ++a)
    for (int b = a + 1; b <= kLastLevelNumber; ++b) {
      const Doolhof* first = standardSets().byNumber(a);
      const Doolhof* second = standardSets().byNumber(b);
      ASSERT_TRUE(first != nullptr && second != nullptr);
      EXPECT_NE(first->Vakken, second->Vakken) << first->Naam << " and " << second->Naam;
      EXPECT_NE(first->Naam, second->Naam);
    }
}

class StandardLevel : public ::testing::TestWithParam<int> {};

TEST_P(StandardLevel, IsCompletedByItsShortestSolution) {
  const Doolhof* level = standardSets().byNumber(GetParam());
  ASSERT_NE(level, nullptr);
  EXPECT_FALSE(level->Naam.empty());
  EXPECT_FALSE(level->Maker.empty());
  EXPECT_FALSE(level->Commentaar.empty());

  const Solution solution = solve(*level);
  ASSERT_TRUE(solution.solvable) << level->Naam;
  // No level is a walk that needs no thought: some decision lies behind a dozen moves at least.
  EXPECT_GE(solution.moves.size(), 8u) << level->Naam;
  EXPECT_TRUE(completesWhenPlayed(*level, solution.moves)) << level->Naam << ": " << solution.moves;
}

INSTANTIATE_TEST_SUITE_P(BothSets, StandardLevel, ::testing::Range(1, kLastLevelNumber + 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                           const int n = numberWithinSet(info.param);
                           return std::string(isSecondSet(info.param) ? "Set2Level" : "Set1Level") +
                                  (n < 10 ? "0" : "") + std::to_string(n);
                         });

TEST(StandardLevelSets, TheFirstSetGrowsFromAHandfulOfMovesToSixtyOrMore) {
  const auto set = solutions(1, kSet1Levels);
  EXPECT_LE(movesOf(set.front()), 20u);
  EXPECT_GE(movesOf(set.back()), 60u);
  // The five first levels are all shorter than the five last ones.
  std::size_t longestEarly = 0;
  std::size_t shortestLate = SIZE_MAX;
  for (std::size_t i = 0; i < 5; ++i) {
    longestEarly = std::max(longestEarly, movesOf(set[i]));
    shortestLate = std::min(shortestLate, movesOf(set[set.size() - 1 - i]));
  }
  EXPECT_LT(longestEarly, shortestLate);
}

TEST(StandardLevelSets, TheSecondSetAsksForLongSolutionsAndEndsHard) {
  const auto set = solutions(kSet1Levels + 1, kLastLevelNumber);
  std::vector<std::size_t> lengths;
  for (const Solution& solution : set) lengths.push_back(movesOf(solution));
  std::vector<std::size_t> sorted = lengths;
  std::sort(sorted.begin(), sorted.end());
  const std::size_t middle = sorted.size() / 2;
  EXPECT_GT((sorted[middle - 1] + sorted[middle]) / 2.0, 80.0);
  // Each of the last five needs 120 moves or more, or a search of many thousands of positions.
  for (std::size_t i = set.size() - 5; i < set.size(); ++i)
    EXPECT_TRUE(lengths[i] >= 120 || (set[i].solvable && set[i].states >= 5000))
        << "level " << i + 1 << ": " << lengths[i] << " moves, " << set[i].states << " states";
}
