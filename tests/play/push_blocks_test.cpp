// Push blocks: chains, pushes over arrow groups, and the player crushed by his own block.
#include <gtest/gtest.h>

#include "play_board.h"

using namespace dwaalbos;
using Sounds = std::vector<int>;

TEST(PushBlocks, ASingleBlockMovesOneCellAndThePlayerFollows) {
  PlayBoard game({"SX."});
  game.play("R");
  EXPECT_EQ(game.col(), 2);
  EXPECT_EQ(game.at(2, 1), 0);
  EXPECT_EQ(game.at(3, 1), cell::kPushBlock);
  EXPECT_EQ(game.sounds(), (Sounds{1, 4, 5}));
  EXPECT_EQ(game.host.barsDrawn(), 0);
}

TEST(PushBlocks, AChainMovesAsAWhole) {
  PlayBoard game({"SXXX.#"});
  game.play("R");
  EXPECT_EQ(game.board().substr(0, 6), "S.XXX#");
  EXPECT_EQ(game.col(), 2);
  game.play("RR");
  EXPECT_EQ(game.col(), 2);  // now against the wall
}

TEST(PushBlocks, ChainsStopAtEveryObjectAndAtTheEdge) {
  for (const char* row : {"SXXX#", "SXXXs", "SXXXb", "SXXXr", "SXXXE", "SXXXk", "SXXXK",
                          "SXXXS", "SXXX!", "SXXXXXXXXXXX"}) {
    PlayBoard game({row});
    game.play("R");
    EXPECT_EQ(game.board().substr(0, 12), (std::string(row) + std::string(12, '.')).substr(0, 12))
        << row;
    EXPECT_EQ(game.sounds(), (Sounds{1})) << row;
  }
}

TEST(PushBlocks, ABlockRidesTheArrowsToTheFirstFreeCellBehindThem) {
  PlayBoard game({"SX>>v", "....>.."});
  game.play("R");
  EXPECT_EQ(game.col(), 2);
  EXPECT_EQ(game.at(6, 2), cell::kPushBlock);
  EXPECT_EQ(game.board().substr(0, 13), "S.>>v.......\n");
  EXPECT_EQ(game.at(5, 2), cell::kArrowRight);
  EXPECT_EQ(game.sounds(), (Sounds{1, 4, 5, 5}));
  EXPECT_EQ(game.host.barsDrawn(), 5);
}

TEST(PushBlocks, AWayMeetingBlocksBehindAnArrowPushesThemToo) {
  // Blocks at columns 4 and 3, an up arrow at column 2 and a block above it; push left from 5.
  PlayBoard game({"", "", "", ".X", ".^XXS"});
  game.play("L");
  EXPECT_EQ(game.col(), 4);
  EXPECT_EQ(game.at(4, 5), 0);
  EXPECT_EQ(game.at(3, 5), cell::kPushBlock);
  EXPECT_EQ(game.at(2, 5), cell::kArrowUp);
  EXPECT_EQ(game.at(2, 4), cell::kPushBlock);
  EXPECT_EQ(game.at(2, 3), cell::kPushBlock);
}

TEST(PushBlocks, RunsBetweenArrowGroupsEachMoveUpByOne) {
  PlayBoard game({"SXX>XX>X."});
  game.play("R");
  EXPECT_EQ(game.board().substr(0, 12), "S.X>XX>XX...");
}

TEST(PushBlocks, AnArrowGroupFollowedByAFreeCellSetsOneBlockDown) {
  PlayBoard game({"SX>+>."});
  game.play("R");
  EXPECT_EQ(game.board().substr(0, 12), "S.>+>X......");
}

TEST(PushBlocks, ABlockBroughtBackOntoThePlayerKillsHim) {
  PlayBoard game({"SXv", ".^<"});
  game.play("R");
  EXPECT_EQ(game.sounds(), (Sounds{1, 4, 5, 5, 3}));
  EXPECT_EQ(game.dialogTitles(), (std::vector<std::string>{"Zelfmoord"}));
  EXPECT_TRUE(game.host.ended());
  EXPECT_TRUE(game.host.boardCleared());
  EXPECT_EQ(game.board().find_first_not_of(".\n"), std::string::npos);
}

TEST(PushBlocks, AnsweringYesAfterACrushRestartsWithTheBoardAsLoaded) {
  PlayBoard game({"SXv", ".^<"}, true);
  game.play("RD");
  EXPECT_EQ(game.dialogTitles(), (std::vector<std::string>{"Zelfmoord"}));
  EXPECT_EQ(game.host.introductions(), 0);
  EXPECT_EQ(game.at(2, 1), cell::kPushBlock);  // reloaded, then the player stepped down
  EXPECT_EQ(game.col(), 1);
  EXPECT_EQ(game.row(), 2);
  EXPECT_EQ(game.sounds(), (Sounds{1, 4, 5, 5, 3, 1, 5}));
}

TEST(PushBlocks, ALoopNotThroughTheFirstBlocksCellIsRefusedAsEndless) {
  PlayBoard game({"SX>v", "...^<"});
  game.play("R");
  EXPECT_EQ(game.dialogTitles(), (std::vector<std::string>{"Oneindig"}));
  EXPECT_EQ(game.at(2, 1), cell::kPushBlock);
  EXPECT_EQ(game.col(), 1);
  EXPECT_EQ(game.sounds(), (Sounds{1}));
}

TEST(PushBlocks, ARideEndingOnABlockPushesItOnInTheRidesDirection) {
  PlayBoard game({"S>vX", "..X.."});
  game.play("R");
  EXPECT_EQ(game.col(), 3);
  EXPECT_EQ(game.row(), 2);
  EXPECT_EQ(game.at(3, 2), 0);
  EXPECT_EQ(game.at(3, 3), cell::kPushBlock);
  EXPECT_EQ(game.sounds(), (Sounds{1, 4, 5, 2, 5}));
}
