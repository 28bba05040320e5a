// The rules as a function of the game: the same step whatever plays it, nothing kept between
// calls, and the crush handed back as data for the caller to ask about.
#include "play/rules/rules.h"

#include <gtest/gtest.h>

#include "support/test_levels.h"

using namespace dwaalbos;
using dwaalbos::testing::levelFromRows;

namespace {

GameState startOf(std::initializer_list<const char*> rows) {
  return levelStart(levelFromRows(rows));
}

}  // namespace

TEST(Rules, AStepLeavesItsArgumentAloneAndAQuietStepEndsTheSame) {
  const struct {
    const char* row;
    GameKey key;
    int col;
    bool moved;
    bool completed;
  } cases[] = {
      {"S.E", GameKey::Right, 2, true, false},  {"SE", GameKey::Right, 2, true, true},
      {"S#", GameKey::Right, 1, true, false},   {"S", GameKey::Left, 1, false, false},
      {"S>>.", GameKey::Right, 4, true, false}, {"SX.", GameKey::Right, 2, true, false},
  };
  for (const auto& c : cases) {
    const GameState start = startOf({c.row});
    const Step loud = play(start, c.key, {});
    const Step quiet = play(start, c.key, {true, 0, 0, true});
    EXPECT_EQ(loud.next.col, c.col) << c.row;
    EXPECT_EQ(loud.moved, c.moved) << c.row;
    EXPECT_EQ(loud.completed, c.completed) << c.row;
    EXPECT_EQ(quiet.next, loud.next) << c.row;
    EXPECT_TRUE(quiet.shown.empty()) << c.row;
    EXPECT_EQ(start, startOf({c.row})) << c.row;
  }
}

// A move that is neither the level's end nor a crush closes with the board and a key flush;
// the level's end leaves both to the game's flow.
TEST(Rules, AStepClosesWithTheBoardUnlessTheLevelEnds) {
  const Step walk = play(startOf({"S.E"}), GameKey::Right, {});
  ASSERT_GE(walk.shown.size(), 2u);
  EXPECT_TRUE(std::holds_alternative<shown::Redraw>(walk.shown[walk.shown.size() - 2]));
  EXPECT_TRUE(std::holds_alternative<shown::FlushKeys>(walk.shown.back()));
  const Step end = play(startOf({"SE"}), GameKey::Right, {});
  EXPECT_TRUE(std::holds_alternative<shown::Walk>(end.shown.back()));
}

TEST(Rules, ACrushIsReturnedWithTheBlocksSetDownAfterIt) {
  const Step step = play(startOf({"SXv", ".^<"}), GameKey::Right, {});
  ASSERT_TRUE(step.crush);
  EXPECT_TRUE(step.died);
  EXPECT_TRUE(step.crush->refused);
  EXPECT_TRUE(step.crush->setAfter.empty());
  std::vector<Sample> sounds;
  for (const Shown& item : step.shown)
    if (const auto* sound = std::get_if<shown::Sound>(&item)) sounds.push_back(sound->sample);
  EXPECT_EQ(sounds.back(), Sample::Crushed);
  EXPECT_EQ(step.next.veld.at(2, 1), cell::kPushBlock);
}

TEST(Rules, TheFirstPlaybackOfTheWaySetsTheLineDelay) {
  const Step first = play(startOf({"S>."}), GameKey::Right, {true, 0, 0, false});
  EXPECT_TRUE(first.lineDelaySet);
  const Step later = play(startOf({"S>."}), GameKey::Right, {true, 20, 0, false});
  EXPECT_FALSE(later.lineDelaySet);
  EXPECT_FALSE(play(startOf({"S>."}), GameKey::Right, {false, 0, 0, false}).lineDelaySet);
}
