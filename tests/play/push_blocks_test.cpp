// Push blocks: chains, pushes over arrow groups, and the player crushed by his own block.
#include <gtest/gtest.h>

#include <cstring>

#include "play_board.h"

using namespace dwaalbos;
using Sounds = std::vector<int>;

// One step right pushes the row; the player follows into the cell the first block left.
TEST(PushBlocks, ChainsAndRunsBetweenArrowGroupsMoveOnByOne) {
  const struct {
    const char* row;
    const char* after;
  } cases[] = {{"SX.", "S.X"},
               {"SXXX.#", "S.XXX#"},
               {"SXX>XX>X.", "S.X>XX>XX"},
               {"SX>+>.", "S.>+>X"}};  // an arrow group followed by a free cell sets one block down
  for (const auto& c : cases) {
    PlayBoard game({c.row});
    game.play("R");
    EXPECT_EQ(game.board().substr(0, std::strlen(c.after)), c.after) << c.row;
    EXPECT_EQ(game.col(), 2) << c.row;
  }
}

TEST(PushBlocks, ABlockRidesTheArrowsToTheFirstFreeCellBehindThem) {
  PlayBoard game({"SX>>v", "....>.."});
  game.play("R");
  EXPECT_EQ(game.col(), 2);
  EXPECT_EQ(game.board().substr(0, 26), "S.>>v.......\n....>X......\n");
  EXPECT_EQ(game.sounds(), (Sounds{1, 4, 5, 5}));
  EXPECT_EQ(game.host.barsDrawn(), 5);
}

TEST(PushBlocks, AWayMeetingBlocksBehindAnArrowPushesThemToo) {
  PlayBoard game({"", "", "", ".X", ".^XXS"});
  game.play("L");
  EXPECT_EQ(game.col(), 4);
  EXPECT_EQ(game.board().substr(26, 39), ".X..........\n.X..........\n.^X.S.......\n");
}

TEST(PushBlocks, ABlockBroughtBackOntoThePlayerKillsHim) {
  PlayBoard game({"SXv", ".^<"});
  game.play("R");
  EXPECT_EQ(game.sounds(), (Sounds{1, 4, 5, 5, 3}));
  EXPECT_EQ(game.dialogTitles(), (std::vector<std::string>{"Zelfmoord"}));
  EXPECT_TRUE(game.host.boardCleared());
  EXPECT_EQ(game.at(1, 1), cell::kEmpty);

  PlayBoard yes({"SXv", ".^<"}, true);
  yes.play("RD");
  EXPECT_EQ(yes.at(2, 1), cell::kPushBlock);  // reloaded, then the player stepped down
  EXPECT_EQ(std::pair(yes.col(), yes.row()), std::pair(1, 2));
  EXPECT_EQ(yes.host.introductions(), 0);
}

// Whatever the answer, undo brings back the game before the crushing push, its count with it:
// after Yes it takes the restart back, after No it brings back the level the board was cleared
// of.
TEST(PushBlocks, UndoAfterACrushBringsBackTheGameBeforeThePush) {
  for (const bool yes : {false, true}) {
    SCOPED_TRACE(yes);
    PlayBoard game({"S.Xv", "..^<"}, yes);
    game.play(yes ? "RRZ" : "RR");
    if (!yes) {
      EXPECT_FALSE(game.host.game().play().gameRunning());
      EXPECT_TRUE(game.host.game().zetTerug());
      game.host.follow();
      EXPECT_TRUE(game.host.game().play().gameRunning());
      EXPECT_EQ(game.host.nameCaption(), "Geennaam");
    }
    EXPECT_EQ(std::pair(game.col(), game.row()), std::pair(2, 1));
    EXPECT_EQ(game.at(3, 1), cell::kPushBlock);
    EXPECT_EQ(game.host.game().play().history().moves(), 1);
  }
}

TEST(PushBlocks, ALoopNotThroughTheFirstBlocksCellIsRefusedAsEndless) {
  PlayBoard game({"SX>v", "...^<"});
  game.play("R");
  EXPECT_EQ(game.dialogTitles(), (std::vector<std::string>{"Oneindig"}));
  EXPECT_EQ(game.at(2, 1), cell::kPushBlock);
  EXPECT_EQ(game.col(), 1);
}

TEST(PushBlocks, ARideEndingOnABlockPushesItOnInTheRidesDirection) {
  PlayBoard game({"S>vX", "..X.."});
  game.play("R");
  EXPECT_EQ(std::pair(game.col(), game.row()), std::pair(3, 2));
  EXPECT_EQ(game.at(3, 3), cell::kPushBlock);
  EXPECT_EQ(game.sounds(), (Sounds{1, 4, 5, 2, 5}));
}
