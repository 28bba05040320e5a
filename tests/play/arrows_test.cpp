// Rides over arrows, circles of arrows and the follow lines.
#include <gtest/gtest.h>

#include "play_board.h"

using namespace dwaalbos;
using Sounds = std::vector<int>;

TEST(Arrows, ARideCarriesThePlayerToTheFirstCellAfterTheArrows) {
  PlayBoard game({"S>>v", "...>.."});
  game.play("R");
  EXPECT_EQ(game.col(), 5);
  EXPECT_EQ(game.row(), 2);
  EXPECT_EQ(game.richting(), Direction::Right);
  EXPECT_EQ(game.sounds(), (Sounds{1, 5, 2}));
  EXPECT_EQ(game.host.barsDrawn(), 4);
  EXPECT_EQ(game.at(2, 1), cell::kArrowRight);  // arrows stay
}

TEST(Arrows, StepOntoAnArrowPointingBackLandsOnTheOwnCellFacingIt) {
  PlayBoard game({"S<"});
  game.play("R");
  EXPECT_EQ(game.col(), 1);
  EXPECT_EQ(game.richting(), Direction::Left);
  EXPECT_EQ(game.sounds(), (Sounds{1, 5, 2}));
}

TEST(Arrows, TheFourWayArrowKeepsTheDirectionOfTheKey) {
  PlayBoard game({".", "S+++."});
  game.play("R");
  EXPECT_EQ(game.col(), 5);
  PlayBoard down({"S", "+", "+", "."});
  down.play("D");
  EXPECT_EQ(down.row(), 4);
  EXPECT_EQ(down.richting(), Direction::Down);
}

TEST(Arrows, ARideEndingOnAWallOrOffTheBoardIsRefusedAsAWhole) {
  for (const char* row : {"S>>#", "S>>>>>>>>>>>", "S>>r."}) {
    PlayBoard game({row});
    game.play("R");
    EXPECT_EQ(game.col(), 1) << row;
    EXPECT_EQ(game.sounds(), (Sounds{1})) << row;
  }
  PlayBoard openGate({"S>b."});
  openGate.play("R");
  EXPECT_EQ(openGate.col(), 3);  // blue gates are open in the red state
}

TEST(Arrows, ACircleOfArrowsIsRefusedWithAMessageOnce) {
  PlayBoard game({"S><"});
  game.play("R");
  EXPECT_EQ(game.col(), 1);
  EXPECT_EQ(game.dialogTitles(), (std::vector<std::string>{"Oneindig"}));
  EXPECT_EQ(game.host.engine().state().Lijnen.size(), 502u);  // 501 entries after element 0
  EXPECT_EQ(game.sounds(), (Sounds{1}));
}

TEST(Arrows, ARideEndingOnAKeyCountsItAtOnceAndSoundsItAfterTheWalk) {
  PlayBoard game({"S>>k"});
  game.play("R");
  EXPECT_EQ(game.col(), 4);
  EXPECT_EQ(game.host.keyCount(), 1);
  EXPECT_EQ(game.at(4, 1), 0);
  EXPECT_EQ(game.sounds(), (Sounds{1, 5, 10, 2}));
}

TEST(Arrows, FollowLinesCanBeSwitchedOffButTheRideStillSounds) {
  PlayBoard game({"S>>."});
  game.host.engine().opties().volglijnen = false;
  game.play("R");
  EXPECT_EQ(game.host.barsDrawn(), 0);
  EXPECT_EQ(game.sounds(), (Sounds{1, 5, 2}));
  EXPECT_EQ(game.col(), 4);
}

TEST(Arrows, TheFirstPlaybackSetsAnUnsetLineDelayToTwenty) {
  PlayBoard game({"S>."});
  game.host.engine().opties().Lijnvertraging = 0;
  game.play("R");
  EXPECT_EQ(game.host.engine().opties().Lijnvertraging, 20);
}

TEST(Arrows, ARideEndingOnTheEndSquareCompletesTheLevelAfterTheWalk) {
  PlayBoard game({"S>E"});
  game.play("R");
  EXPECT_TRUE(game.host.ended());
  EXPECT_EQ(game.sounds(), (Sounds{1, 5, 2, 12}));
  EXPECT_EQ(game.dialogTitles(), (std::vector<std::string>{"Klaar!"}));
}
