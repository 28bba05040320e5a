// New levels: the same for the same seed, completed by their own shortest solution, inside the
// band of their difficulty.
#include "play/generator/generator.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "level/level_file.h"
#include "play/generator/attempts.h"
#include "play/generator/daily_seed.h"
#include "play/rules/rules.h"
#include "play/solver/solver.h"

using namespace dwaalbos;

namespace {

// Cells that are no wall but cannot be walked to from the start, whatever the objects do.
int sealedCells(const Board& board) {
  const auto start = startCell(board);
  std::vector<bool> seen(Board::kCells, false);
  std::vector<std::pair<int, int>> queue{*start};
  seen[static_cast<std::size_t>(start->first + 13 * start->second)] = true;
  for (std::size_t next = 0; next < queue.size(); ++next)
    for (const auto& [dc, dr] : {std::pair(0, 1), {0, -1}, {1, 0}, {-1, 0}}) {
      const int c = queue[next].first + dc, r = queue[next].second + dr;
      if (!Board::inPlay(c, r) || board.at(c, r) == cell::kWall ||
          seen[static_cast<std::size_t>(c + 13 * r)])
        continue;
      seen[static_cast<std::size_t>(c + 13 * r)] = true;
      queue.emplace_back(c, r);
    }
  int sealed = 0;
  for (int r = 1; r <= 12; ++r)
    for (int c = 1; c <= 12; ++c)
      sealed += board.at(c, r) != cell::kWall && !seen[static_cast<std::size_t>(c + 13 * r)];
  return sealed;
}

}  // namespace

TEST(Generator, TheSameSeedGivesTheSameLevelByteForByte) {
  const Generation first = generateLevel(Difficulty::Gemiddeld, 48213);
  const Generation again = generateLevel(Difficulty::Gemiddeld, 48213);
  const Generation other = generateLevel(Difficulty::Gemiddeld, 48214);
  ASSERT_TRUE(first.made && again.made && other.made);
  EXPECT_EQ(encodeLevel(first.made->level), encodeLevel(again.made->level));
  EXPECT_NE(first.made->level.Vakken, other.made->level.Vakken);
  EXPECT_EQ(first.made->level.Maker, "Dwaalbos");
  EXPECT_EQ(first.made->level.Commentaar, "Gemiddeld 48213");
  EXPECT_FALSE(first.made->level.Naam.empty());
}

TEST(Generator, TakesTheFirstAttemptInOrderWhicheverThreadFinishesFirst) {
  // Attempt 0 fails slowly, every later one makes a level at once.
  const Attempt attempt = [](int number, std::stop_token) {
    if (number > 0) return AttemptResult{GeneratedLevel{{}, {}, std::to_string(number)}, 1};
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return AttemptResult{std::nullopt, 5};
  };
  for (const int threads : {1, 2, 3}) {
    const Generation made = firstMade(attempt, 6, threads, {});
    ASSERT_TRUE(made.made) << threads;
    EXPECT_EQ(made.made->solution, "1") << threads;
    // Attempt 0 spent the budget: what the faster attempt 1 made does not count.
    const Generation spent = firstMade(attempt, 5, threads, {});
    EXPECT_EQ(spent.outcome, GenerateOutcome::BudgetSpent) << threads;
    EXPECT_FALSE(spent.made) << threads;
  }
}

TEST(Generator, GivesTheSameLevelOnOneThreadAsOnMore) {
  // Seeds whose first attempts come to nothing.
  for (const auto& [difficulty, seed] : {std::pair(Difficulty::Makkelijk, 27u),
                                         {Difficulty::Gemiddeld, 1u},
                                         {Difficulty::Gemiddeld, 2u}}) {
    const Generation alone = generateLevel(difficulty, seed, {}, 1);
    ASSERT_TRUE(alone.made) << seed;
    for (const int threads : {2, 3}) {
      const Generation together = generateLevel(difficulty, seed, {}, threads);
      ASSERT_TRUE(together.made) << seed;
      EXPECT_EQ(encodeLevel(together.made->level), encodeLevel(alone.made->level)) << seed;
    }
  }
}

struct Seeded {
  Difficulty difficulty;
  std::uint32_t seed;
};

class GeneratedLevels : public ::testing::TestWithParam<Seeded> {};

TEST_P(GeneratedLevels, AreCompletedByTheirShortestSolutionAndLieInTheirBand) {
  const Generation generation = generateLevel(GetParam().difficulty, GetParam().seed);
  ASSERT_EQ(generation.outcome, GenerateOutcome::Made);
  const GeneratedLevel& made = *generation.made;
  EXPECT_TRUE(inside(bandOf(GetParam().difficulty), made.figures));
  EXPECT_LE(made.figures.forcedPercent, 80);
  EXPECT_EQ(sealedCells(made.level.Vakken), 0);

  GameState game = levelStart(made.level);
  ASSERT_EQ(made.solution.size(), made.figures.moves);
  for (std::size_t i = 0; i < made.solution.size(); ++i) {
    const Step step = play(game, letterKey(made.solution[i]), kQuietRules);
    ASSERT_FALSE(step.died) << i;
    EXPECT_EQ(step.completed, i + 1 == made.solution.size()) << i;
    game = step.next;
  }
  // Measured as the level table measures the standard levels.
  const Solution again = solve(made.level);
  EXPECT_EQ(again.moves.size(), made.figures.moves);
  EXPECT_EQ(again.states, made.figures.states);
}

INSTANTIATE_TEST_SUITE_P(Sample, GeneratedLevels,
                         ::testing::Values(Seeded{Difficulty::Makkelijk, 1},
                                           Seeded{Difficulty::Makkelijk, 2},
                                           Seeded{Difficulty::Gemiddeld, 3},
                                           Seeded{Difficulty::Moeilijk, 3},
                                           Seeded{Difficulty::Meester, 2}));

TEST(Generator, AStopRequestedEndsTheWorkWithoutALevel) {
  std::stop_source stop;
  stop.request_stop();
  const Generation generation = generateLevel(Difficulty::Meester, 1, stop.get_token());
  EXPECT_EQ(generation.outcome, GenerateOutcome::Stopped);
  EXPECT_FALSE(generation.made);
}

TEST(Band, RefusesALevelWithAnyFigureOutside) {
  const Band& easy = bandOf(Difficulty::Makkelijk);
  const LevelFigures fits{14, 45, 0, 66};
  EXPECT_TRUE(inside(easy, fits));
  std::vector<LevelFigures> outside(6, fits);
  outside[0].moves = easy.moves.high + 1;
  outside[1].moves = easy.moves.low - 1;
  outside[2].states = easy.states.high + 1;
  outside[3].traps = easy.traps.high + 1;
  outside[4].traps.reset();  // not counted, so not known to be inside
  outside[5].forcedPercent = 81;
  for (std::size_t i = 0; i < outside.size(); ++i) EXPECT_FALSE(inside(easy, outside[i])) << i;
}

TEST(Band, SpansItsLevelsAndAimsAtTheMiddleOne) {
  const std::vector<LevelFigures> levels = {
      {30, 500, 7, 40}, {10, 20, std::nullopt, 70}, {20, 90, 3, 55}};
  const Band band = bandOf(levels);
  EXPECT_EQ(band.moves, (FigureRange{10, 30}));
  EXPECT_EQ(band.states, (FigureRange{20, 500}));
  EXPECT_EQ(band.traps, (FigureRange{3, 7}));
  EXPECT_EQ(band.forcedPercent, (FigureRange{40, 70}));
  EXPECT_EQ(band.middleMoves, 20u);
  EXPECT_EQ(band.middleStates, 90u);
}

TEST(Difficulty, IsNamedInAnyCaseAndNothingElse) {
  EXPECT_EQ(difficultyNamed("meester"), Difficulty::Meester);
  EXPECT_EQ(difficultyNamed("Makkelijk"), Difficulty::Makkelijk);
  EXPECT_EQ(difficultyNamed("makkelijker"), std::nullopt);
  EXPECT_EQ(difficultyNamed(""), std::nullopt);
}

TEST(DailySeed, IsTheSameAllDayAndOtherForAnotherDayOrDifficulty) {
  using namespace std::chrono;
  const year_month_day day{year(2026), December, 7d};
  const std::uint32_t seed = dailySeed(day, Difficulty::Moeilijk);
  EXPECT_EQ(dailySeed(day, Difficulty::Moeilijk), seed);
  EXPECT_NE(dailySeed(day, Difficulty::Meester), seed);
  EXPECT_NE(dailySeed(year_month_day{sys_days(day) + days(1)}, Difficulty::Moeilijk), seed);
  EXPECT_GE(seed, 1u);
  EXPECT_LE(seed, kLargestSeed);
}
