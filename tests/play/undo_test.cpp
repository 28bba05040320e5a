// Undo and redo: every kind of move is taken back whole and played again, and the count follows.
#include <gtest/gtest.h>

#include "play_board.h"

using namespace dwaalbos;

namespace {

struct UndoCase {
  const char* top;
  const char* below;
  const char* keys;  // the last key is the move taken back
};

GameState after(const UndoCase& c, const std::string& keys) {
  PlayBoard game({c.top, c.below});
  game.play(keys);
  return game.host.engine().gameState();
}

class UndoEveryMove : public ::testing::TestWithParam<UndoCase> {};

}  // namespace

TEST_P(UndoEveryMove, TakesTheWholeMoveBackAndPlaysItAgain) {
  const UndoCase& c = GetParam();
  const std::string keys = c.keys;
  const std::string earlier = keys.substr(0, keys.size() - 1);
  ASSERT_NE(after(c, keys), after(c, earlier));
  EXPECT_EQ(after(c, keys + "Z"), after(c, earlier));
  EXPECT_EQ(after(c, keys + "ZY"), after(c, keys));
  EXPECT_EQ(after(c, keys + "ZZYY"), after(c, keys));
}

// A step, a ride, a push over arrows, a key taken, a key block opened, the switch flipped and
// a ride onto a key.
INSTANTIATE_TEST_SUITE_P(
    Moves, UndoEveryMove,
    ::testing::Values(UndoCase{"S..E", "", "RR"}, UndoCase{"S>>.v", ".....", "DUR"},
                      UndoCase{"SX>>v", "....>..", "R"}, UndoCase{"Sk.E", "", "R"},
                      UndoCase{"SkK.E", "", "RR"}, UndoCase{"Ss.r.E", "", "RS"},
                      UndoCase{"S>k", "...", "R"}));

TEST(Undo, CountsMovesNotTurnsAndANewMoveDropsWhatWasTakenBack) {
  PlayBoard game({"S.#.E"});
  game.play("LURRR");  // two turns at the edges, one step, two refused steps
  EXPECT_EQ(game.host.engine().history().moves(), 1);
  game.play("RZRD");
  EXPECT_EQ(std::pair(game.col(), game.row()), std::pair(2, 2));
  EXPECT_EQ(game.host.engine().history().moves(), 2);
  EXPECT_FALSE(game.host.engine().history().canRedo());
  game.play("RZZZ");  // more undo than moves changes nothing further
  EXPECT_EQ(game.col(), 1);
  EXPECT_EQ(game.host.engine().history().moves(), 0);
}

// A death answered No ends the attempt: nothing is left to take back; only a restart helps.
TEST(Undo, NothingToTakeBackAfterADeathAnsweredNo) {
  PlayBoard game({"SXv", ".^<"});
  game.play("RZ");
  EXPECT_FALSE(game.host.engine().history().canUndo());
  EXPECT_EQ(game.at(1, 1), cell::kEmpty);  // the board stays cleared
}
