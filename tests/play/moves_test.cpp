// Walking, the board's edges, key priority, keys, key blocks, gates, stuck chains, the switch,
// rides over arrows with their follow lines, and undo and redo: every kind of move is taken back
// whole and played again, and the count follows.
#include <gtest/gtest.h>

#include "play_board.h"

using namespace dwaalbos;
using Sounds = std::vector<int>;

// The file's cells beyond the left and top edges never reach the board.
TEST(Moves, TheLeftAndTopEdgesTurnThePlayerAndNoEdgeIsCrossed) {
  PlayBoard corner({"S"});
  corner.editFile([](Doolhof& level) {
    level.Vakken.set(0, 1, cell::kEnd);
    level.Vakken.set(1, 0, cell::kEnd);
  });
  corner.play("L");
  EXPECT_EQ(corner.richting(), Direction::Left);
  corner.play("U");
  EXPECT_EQ(std::tuple(corner.col(), corner.row(), corner.richting()),
            std::tuple(1, 1, Direction::Up));
  EXPECT_EQ(std::pair(corner.at(0, 1), corner.at(1, 0)), std::pair(0, 0));
  PlayBoard right({"...........S"});
  right.play("R");
  EXPECT_EQ(right.col(), 12);
  PlayBoard bottom({"", "", "", "", "", "", "", "", "", "", "", "S"});
  bottom.play("D");
  EXPECT_EQ(bottom.row(), 12);
  EXPECT_EQ(bottom.sounds(), (Sounds{1}));
}

TEST(Moves, TheFirstKeyFoundPressedWinsInTheOrderLeftRightUpDownSpace) {
  const std::pair<std::set<GameKey>, std::pair<int, int>> cases[] = {
      {{GameKey::Left, GameKey::Right}, {1, 2}},
      {{GameKey::Right, GameKey::Up, GameKey::Down}, {3, 2}},
      {{GameKey::Up, GameKey::Down}, {2, 1}},
      {{GameKey::Down, GameKey::Space}, {2, 3}}};
  for (const auto& [held, where] : cases) {
    PlayBoard game({"...", ".S."});
    HookedHost host(game.shared, nullptr, held);
    host.play(game.level, "");
    EXPECT_EQ(std::pair(host.game().play().gameState().col, host.game().play().gameState().row),
              where);
  }
  PlayBoard onSwitch({"s", "S"});
  HookedHost host(onSwitch.shared, nullptr, {GameKey::Up, GameKey::Space});
  host.play(onSwitch.level, "");
  EXPECT_TRUE(host.game().play().gameState().schakelaar);  // the move went first, no flip
}

// A chain of push blocks stops at every object, at the edge, and where a push would take a
// block off the board.
TEST(Moves, WallsClosedGatesKeyBlocksWithoutAKeyAndStuckChainsBarSilently) {
  for (const std::string row :
       {"S#", "Sr", "SK", "SXXX#", "SXXXs", "SXXXb", "SXXXr", "SXXXE", "SXXXk", "SXXXK", "SXXXS",
        "SXXX!", "SXXXXXXXXXXX", ".........SX>"}) {
    PlayBoard game({row.c_str()});
    game.play("R");
    EXPECT_EQ(game.col(), static_cast<int>(row.find('S')) + 1) << row;
    EXPECT_EQ(game.board().substr(0, 12), (row + std::string(12, '.')).substr(0, 12)) << row;
    EXPECT_EQ(game.sounds(), (Sounds{1})) << row;
  }
}

TEST(Moves, KeysAreCountedAndOpenAnyKeyBlockOneEach) {
  PlayBoard game({"SkkKK."});
  game.play("RRRRR");
  EXPECT_EQ(game.col(), 6);
  EXPECT_EQ(game.host.keyCount(), 0);
  EXPECT_EQ(game.sounds(), (Sounds{1, 5, 10, 5, 10, 5, 11, 5, 11, 5}));
}

TEST(Moves, TheSwitchTurnsWhichGatesAreOpen) {
  PlayBoard blue({"s", "Sbr"});
  blue.play("USDRR");
  EXPECT_FALSE(blue.host.game().play().gameState().schakelaar);
  EXPECT_EQ(blue.col(), 1);  // blue state: the blue gate bars
  EXPECT_EQ(blue.sounds(), (Sounds{1, 5, 9, 5}));

  PlayBoard back({"s", "S.r"});
  back.play("USSDRR");
  EXPECT_TRUE(back.host.game().play().gameState().schakelaar);
  EXPECT_EQ(back.col(), 2);

  PlayBoard away({"S"});
  away.play("S");
  EXPECT_TRUE(away.host.game().play().gameState().schakelaar);
}

TEST(Moves, EnemyAndUnknownCodesAreWalkedOver) {
  PlayBoard game({"S!."});
  game.editFile([](Doolhof& level) { level.Vakken.set(3, 1, 77); });
  game.play("RR");
  EXPECT_EQ(game.col(), 3);
}

TEST(Arrows, ARideCarriesThePlayerToTheFirstCellAfterTheArrows) {
  PlayBoard game({"S>>v", "...>.."});
  game.play("R");
  EXPECT_EQ(std::pair(game.col(), game.row()), std::pair(5, 2));
  EXPECT_EQ(game.richting(), Direction::Right);
  EXPECT_EQ(game.sounds(), (Sounds{1, 5, 2}));
  EXPECT_EQ(game.host.barsDrawn(), 4);
  EXPECT_EQ(game.at(2, 1), cell::kArrowRight);  // arrows stay
}

// Where a ride pressed to the right ends: on the own cell, further on, or refused as a whole.
TEST(Arrows, ARideEndsOnTheFirstFreeCellOrIsRefusedAsAWhole) {
  const struct {
    const char* row;
    int col;
    Direction facing;
  } cases[] = {{"S<", 1, Direction::Left},    {"S+++.", 5, Direction::Right},
               {"S>b.", 3, Direction::Right},  // blue gates are open in the red state
               {"S>>#", 1, Direction::Right}, {"S>>>>>>>>>>>", 1, Direction::Right},
               {"S>>r.", 1, Direction::Right}};
  for (const auto& c : cases) {
    PlayBoard game({c.row});
    game.play("R");
    EXPECT_EQ(game.col(), c.col) << c.row;
    EXPECT_EQ(game.richting(), c.facing) << c.row;
  }
}

TEST(Arrows, ACircleOfArrowsIsRefusedWithAMessageOnce) {
  PlayBoard game({"S><"});
  game.play("R");
  EXPECT_EQ(game.col(), 1);
  EXPECT_EQ(game.dialogTitles(), (std::vector<std::string>{"Oneindig"}));
  EXPECT_EQ(game.sounds(), (Sounds{1}));
}

TEST(Arrows, ARideEndingOnAKeyCountsItAtOnceAndSoundsItAfterTheWalk) {
  PlayBoard game({"S>>k"});
  game.play("R");
  EXPECT_EQ(game.host.keyCount(), 1);
  EXPECT_EQ(game.at(4, 1), 0);
  EXPECT_EQ(game.sounds(), (Sounds{1, 5, 10, 2}));
}

TEST(Arrows, FollowLinesCanBeSwitchedOffAndAnUnsetLineDelayBecomesTwenty) {
  PlayBoard off({"S>>."});
  off.host.game().setPlayOptions({.volglijnen = false});
  off.play("R");
  EXPECT_EQ(off.host.barsDrawn(), 0);
  EXPECT_EQ(off.sounds(), (Sounds{1, 5, 2}));
  PlayBoard unset({"S>."});
  unset.host.game().setPlayOptions({.Lijnvertraging = 0});
  unset.play("R");
  EXPECT_EQ(unset.host.game().play().playOptions().Lijnvertraging, 20);
}

namespace {

struct UndoCase {
  const char* top;
  const char* below;
  const char* keys;  // the last key is the move taken back
};

GameState after(const UndoCase& c, const std::string& keys) {
  PlayBoard game({c.top, c.below});
  game.play(keys);
  return game.host.game().play().gameState();
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
INSTANTIATE_TEST_SUITE_P(Moves, UndoEveryMove,
                         ::testing::Values(UndoCase{"S..E", "", "RR"},
                                           UndoCase{"S>>.v", ".....", "DUR"},
                                           UndoCase{"SX>>v", "....>..", "R"},
                                           UndoCase{"Sk.E", "", "R"}, UndoCase{"SkK.E", "", "RR"},
                                           UndoCase{"Ss.r.E", "", "RS"},
                                           UndoCase{"S>k", "...", "R"}));

TEST(Undo, CountsMovesNotTurnsAndANewMoveDropsWhatWasTakenBack) {
  PlayBoard game({"S.#.E"});
  game.play("LURRR");  // two turns at the edges, one step, two refused steps
  EXPECT_EQ(game.host.game().play().history().moves(), 1);
  game.play("RZRD");
  EXPECT_EQ(std::pair(game.col(), game.row()), std::pair(2, 2));
  EXPECT_EQ(game.host.game().play().history().moves(), 2);
  EXPECT_FALSE(game.host.game().play().history().canRedo());
  game.play("RZZZ");  // more undo than moves changes nothing further
  EXPECT_EQ(game.col(), 1);
  EXPECT_EQ(game.host.game().play().history().moves(), 0);
}

// Undo after a restart returns to the game the restart left, with its count and keys; redo
// restarts again.
TEST(Undo, ARestartIsTakenBackLikeAMove) {
  const struct {
    const char* keys;
    int col;
    int moves;
    int keysHeld;
  } cases[] = {{"RR.", 1, 0, 0}, {"RR.Z", 3, 2, 1}, {"RR.ZY", 1, 0, 0}, {"RR.ZYZZ", 2, 1, 0}};
  for (const auto& c : cases) {
    PlayBoard game({"S.k.E"});
    // The restart pass's letter presses no key.
    HookedHost host(game.shared, [](Game& session, int pass) {
      if (pass == 2) session.overnieuw();
    });
    host.play(game.level, c.keys);
    EXPECT_EQ(host.game().play().gameState().col, c.col) << c.keys;
    EXPECT_EQ(host.game().play().history().moves(), c.moves) << c.keys;
    EXPECT_EQ(host.keyCount(), c.keysHeld) << c.keys;
  }
}

// The way of an attempt leaves out what a restart or a rewind left behind.
TEST(Undo, TheWayOfAnAttemptIsTheStatesBeforeItsMoves) {
  const auto at = [](int col) {
    GameState state;
    state.col = col;
    return state;
  };
  History history;
  history.record(at(1));
  history.record(at(2));
  history.restart(at(3));  // from col 3 back to col 1
  for (int col : {1, 2, 5}) history.record(at(col));
  EXPECT_EQ(history.rewind(1, at(6)), at(2));  // back to the state before the move to col 5
  history.record(at(2));
  EXPECT_EQ(history.way(), (std::vector<GameState>{at(1), at(2)}));
  history.undo(at(7));
  history.undo(at(2));
  EXPECT_EQ(history.way(), (std::vector<GameState>{at(1), at(2), at(5)}));
}

// Back to an earlier position in one step: undo returns to where it was asked, redo goes back
// again; a step past the oldest changes nothing.
TEST(Undo, RewindGoesBackInOneStep) {
  PlayBoard game({"S...E"});
  bool checked = false;
  HookedHost host(game.shared, [&](Game& session, int pass) {
    if (pass != 3) return;
    EXPECT_TRUE(session.rewind(1));
    EXPECT_EQ(session.play().gameState().col, 2);
    session.zetTerug();
    EXPECT_EQ(session.play().gameState().col, 4);
    EXPECT_EQ(session.play().history().moves(), 3);
    EXPECT_FALSE(session.rewind(session.play().history().depth()));
    checked = true;
  });
  host.play(game.level, "RRR.");
  EXPECT_TRUE(checked);
}
