// Undo and redo: every kind of move is taken back whole and played again, and the count follows.
#include <gtest/gtest.h>

#include <cctype>

#include "play_board.h"

using namespace dwaalbos;

namespace {

struct UndoCase {
  const char* kind;
  const char* top;
  const char* below;
  const char* keys;  // the last key is the move taken back
};

GameState after(const UndoCase& c, const std::string& keys) {
  PlayBoard game({c.top, c.below});
  game.play(keys);
  return game.host.engine().gameState();
}

class UndoEveryMove : public testing::TestWithParam<UndoCase> {};

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

INSTANTIATE_TEST_SUITE_P(
    Moves, UndoEveryMove,
    testing::Values(UndoCase{"step", "S..E", "", "RR"},
                    UndoCase{"ride", "S>>.v", ".....", "DUR"},
                    UndoCase{"push over arrows", "SX>>v", "....>..", "R"},
                    UndoCase{"key taken", "Sk.E", "", "R"},
                    UndoCase{"key block opened", "SkK.E", "", "RR"},
                    UndoCase{"switch flipped", "Ss.r.E", "", "RS"},
                    UndoCase{"ride onto a key", "S>k", "...", "R"}),
    [](const testing::TestParamInfo<UndoCase>& info) {
      std::string name;
      for (char c : std::string(info.param.kind)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

TEST(Undo, CountsMovesNotTurnsAndANewMoveDropsWhatWasTakenBack) {
  PlayBoard game({"S.#.E"});
  game.play("LURRR");  // two turns at the edges, one step, two refused steps
  EXPECT_EQ(game.host.engine().history().moves(), 1);
  game.play("RZRD");
  EXPECT_EQ(game.col(), 2);
  EXPECT_EQ(game.row(), 2);
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
