// The solver: shortest solutions found with the real rules.
#include "play/solver/solver.h"
#include "play/solver/quality.h"
#include "play/solver/tip.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "level/shared_state.h"
#include "play/rules/rules.h"
#include "play/solver/compact_state.h"
#include "play/solver/end_estimate.h"
#include "play_board.h"

using namespace dwaalbos;

using dwaalbos::testing::levelFromRows;

namespace {

// Where a player who presses up to `most` random keys ends, alive and still playing.
GameState wander(const GameState& start, int most, std::mt19937& random) {
  GameState position = start;
  for (int keys = std::uniform_int_distribution(0, most)(random); keys > 0; --keys) {
    const auto key = static_cast<GameKey>(std::uniform_int_distribution(0, 4)(random));
    const Step step = play(position, key, kQuietRules);
    if (!step.died && !step.completed) position = step.next;
  }
  return position;
}

}  // namespace

TEST(Solver, UsesTheSwitchKeysAndBlocksWhenTheyAreNeeded) {
  // Shortest: the red gate opens once the switch is blue; the key opens the block.
  const auto gates = solve(levelFromRows({"Ssr.", "###E"}));
  ASSERT_TRUE(gates.solvable);
  EXPECT_EQ(gates.moves, "RSRRD");

  const auto keys = solve(levelFromRows({"SK.E", "k###"}));
  ASSERT_TRUE(keys.solvable);
  EXPECT_EQ(keys.moves, "DURRR");
}

TEST(Solver, NeverTakesAMoveThatCrushesThePlayer) {
  // Pushing right kills; the way round is longer but safe.
  const auto solution = solve(levelFromRows({"SXv.E", ".^<..", "....."}));
  ASSERT_TRUE(solution.solvable);
  EXPECT_EQ(solution.moves.front(), 'D');
}

// A level without a way out, and a search cut off by its limit or stopped from outside, which
// is not called unsolvable.
TEST(Solver, ReportsALevelWithoutAWayOutOrASearchCutOff) {
  const auto solution = solve(levelFromRows({"S#E", "##."}));
  EXPECT_FALSE(solution.solvable);
  EXPECT_FALSE(solution.limitReached);
  EXPECT_EQ(solution.states, 1u);
  EXPECT_FALSE(solve(levelFromRows({"S"})).solvable);  // no end square at all
  EXPECT_TRUE(solve(levelFromRows({"S.....", "......", ".....E"}), 4).limitReached);
  std::stop_source stop;
  stop.request_stop();
  const auto stopped = solve(levelFromRows({"S.....", "......", ".....E"}), 1000, stop.get_token());
  EXPECT_FALSE(stopped.solvable);
  EXPECT_TRUE(stopped.limitReached);
}

// The search led by the distance to the end finds ways as short as the plain one from every
// position a wandering player reaches, over blocks, arrows (a circle among them), gates, the
// switch, keys and key blocks; the ways of both complete the level.
TEST(Solver, TheGuidedSearchFindsWaysAsShortAsThePlainOne) {
  const Doolhof boards[] = {levelFromRows({"S.X.>v#", "#..X.v#", "k.K.+>E", "#######"}),
                            levelFromRows({"Ssr.sbE", "X.#v<.#", "...>^.#", "#######"}),
                            levelFromRows({"S.>+v.#", ".X^v<.#", "..X.kKE", "#######"}),
                            levelFromRows({"S.#E", "##..", "...."})};
  std::mt19937 random(11);
  for (const Doolhof& board : boards) {
    const GameState start = levelStart(board);
    for (int i = 0; i < 60; ++i) {
      const GameState position = wander(start, 40, random);
      const Solution plain = solveFrom(position);
      const Solution guided = solveGuided(position);
      ASSERT_EQ(guided.solvable, plain.solvable) << i;
      ASSERT_EQ(guided.moves.size(), plain.moves.size()) << i;
      for (const std::string& moves : {plain.moves, guided.moves}) {
        GameState game = position;
        for (std::size_t m = 0; m < moves.size(); ++m) {
          const Step step = play(game, letterKey(moves[m]), kQuietRules);
          ASSERT_EQ(step.completed, m + 1 == moves.size()) << moves;
          game = step.next;
        }
      }
    }
  }
}

// Blocks stuck for good count as walls: from every position a wandering player reaches on the
// standard levels where they lengthen the estimate, the full search agrees that the game is
// lost when the estimate says so, and never completes it in fewer moves than estimated.
TEST(Solver, AStuckBlockNeverMakesAWinnableGameLookLost) {
  const char* given = std::getenv("DWAALBOS_GAME_DIR");
  const std::string folder = given ? given : "game";
  SharedState shared(folder);
  shared.readLevelSets();
  std::mt19937 random(43);
  int lost = 0;
  int longer = 0;
  for (int number = 1; number <= kLastLevelNumber; ++number) {
    const Doolhof* level = shared.sets.byNumber(number);
    ASSERT_NE(level, nullptr) << "standard level " << number << " is not in " << folder;
    const GameState start = levelStart(*level);
    for (int i = 0; i < 100; ++i) {
      const GameState position = wander(start, 200, random);
      const CompactCodec codec(position);
      std::vector<std::uint8_t> packed(codec.bytes());
      codec.pack(position, packed);
      const std::uint16_t estimate = EndEstimate(position, codec).from(packed);
      const std::uint16_t free =
          EndDistance(position.veld)
              .from(CompactCodec::playerCell(packed), CompactCodec::schakelaar(packed));
      if (estimate == free) continue;
      const Solution solution = solveFrom(position);
      ASSERT_FALSE(solution.limitReached) << number;
      if (estimate == EndDistance::kNever) {
        ++lost;
        EXPECT_FALSE(solution.solvable) << number << ": " << solution.moves;
      } else if (solution.solvable) {
        ++longer;
        EXPECT_LE(estimate, solution.moves.size()) << number;
      }
    }
  }
  EXPECT_GT(lost, 0);
  EXPECT_GT(longer, 0);
}

// A tip from a game under way: the square to step to, a lost game, or a search given up.
TEST(Tip, PointsAtTheNextSquareOrSaysTheGameIsLost) {
  PlayBoard game({"SkK.E", ".K.##", "#####"});
  game.play("");
  const GameState start = game.host.game().play().gameState();
  const Tip step = tipFrom(start);
  EXPECT_EQ(step.kind, Tip::Kind::Step);
  EXPECT_EQ(step.key, GameKey::Right);
  EXPECT_EQ(std::pair(step.col, step.row), std::pair(2, 1));
  EXPECT_EQ(tipFrom(start, {}, 1).kind, Tip::Kind::TooHard);
  // On a way known to complete the level the next key needs no search.
  const KnownWay known{start, "RRRR"};
  game.play("R");
  EXPECT_EQ(tipFrom(game.host.game().play().gameState(), known, 1).key, GameKey::Right);
  game.play("RLDR");  // the one key opened the wrong key block
  EXPECT_EQ(tipFrom(game.host.game().play().gameState()).kind, Tip::Kind::Lost);
  // A block pushed into the corner that is the only way to the end: lost without a search.
  const GameState corner =
      levelStart(levelFromRows({".XS...", ".#....", "E#....", "############"}));
  EXPECT_EQ(tipFrom(corner, {}, 1).kind, Tip::Kind::TooHard);
  EXPECT_EQ(tipFrom(play(corner, GameKey::Left, kQuietRules).next, {}, 1).kind, Tip::Kind::Lost);
}

// The search keeps only what moves; whatever a wandering player does to blocks, keys, key
// blocks and the switch, the kept state gives back the game the rules made.
TEST(Solver, KeepsEveryGameItMeetsWhole) {
  const GameState start =
      levelStart(levelFromRows({"S.X.>vk", "#.X..vK", "kXK.+<E", ".s.b.r.", "X.X.X.X"}));
  const CompactCodec codec(start);
  std::vector<std::uint8_t> packed(codec.bytes());
  std::mt19937 random(7);
  GameState game = start;
  GameState unpacked = start;
  for (int i = 0; i < 3000; ++i) {
    const auto key = static_cast<GameKey>(std::uniform_int_distribution(0, 4)(random));
    const Step step = play(game, key, kQuietRules);
    game = step.died ? start : step.next;
    codec.pack(game, packed);
    codec.unpack(packed, unpacked);
    unpacked.richting = game.richting;
    ASSERT_EQ(unpacked, game) << i;
  }
}

// A corridor asks nothing: every position on the way has one sensible move and none is lost.
// One wrong push shuts the way to the end for good: that position and all after it are traps.
TEST(LevelQuality, TellsACorridorFromALevelWithTraps) {
  const auto measure = [](std::initializer_list<const char*> rows) {
    const GameState start = levelStart(levelFromRows(rows));
    return measureQuality(start, solve(levelFromRows(rows)).moves);
  };
  const LevelQuality corridor = measure({"S..E#", "#####"});
  ASSERT_TRUE(corridor.complete);
  EXPECT_EQ(corridor.traps, 0u);
  EXPECT_EQ(corridor.forcedPercent(), 100);
  // Beside the end a step aside is still a choice.
  EXPECT_EQ(measure({"S.E#", "...#", "####"}).forcedPercent(), 0);

  const LevelQuality trap = measure({"S...#", "..X.#", "###.#", "E...#", "#####"});
  ASSERT_TRUE(trap.complete);
  EXPECT_GT(trap.traps, 0u);
  EXPECT_LT(trap.traps, trap.positions);
  EXPECT_EQ(trap.solutionMoves, 9u);
  EXPECT_LT(trap.forcedPercent(), 100);

  EXPECT_FALSE(measureQuality(levelStart(levelFromRows({"S.....", "....E."})), "", 3).complete);
}

// Without exploring, the forced share is known where no step aside is a trap, and never more
// than the whole measure finds where one is; a measure that gives up past its limit estimates
// nothing.
TEST(LevelQuality, ForcedShareAtLeastAndGivingUpPastTheLimit) {
  const auto both = [](std::initializer_list<const char*> rows) {
    const GameState start = levelStart(levelFromRows(rows));
    const std::string moves = solve(levelFromRows(rows)).moves;
    return std::pair(forcedPercentAtLeast(start, moves), measureQuality(start, moves));
  };
  for (const auto& rows : {std::initializer_list<const char*>{"S..E#", "#####"},
                           {"S.E#", "...#", "####"},
                           {"S...#", "....#", "E...#", "#####"}}) {
    const auto [least, quality] = both(rows);
    ASSERT_EQ(quality.traps, 0u);
    EXPECT_EQ(least, quality.forcedPercent());
  }
  const auto [least, trap] = both({"S...#", "..X.#", "###.#", "E...#", "#####"});
  ASSERT_GT(trap.traps, 0u);
  EXPECT_LE(least, trap.forcedPercent());

  const GameState corridor = levelStart(levelFromRows({"S....E#", "#######"}));
  EXPECT_EQ(measureQuality(corridor, "RRRRR", 2, PastTheLimit::Estimate).forcedPercent(), 100);
  const LevelQuality gaveUp = measureQuality(corridor, "RRRRR", 2, PastTheLimit::GiveUp);
  EXPECT_FALSE(gaveUp.complete);
  EXPECT_EQ(gaveUp.forced, 0u);
}
