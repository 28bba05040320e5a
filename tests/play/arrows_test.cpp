// Rides over arrows, circles of arrows and the follow lines.
#include <gtest/gtest.h>

#include "play_board.h"

using namespace dwaalbos;
using Sounds = std::vector<int>;

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
  } cases[] = {{"S<", 1, Direction::Left},  {"S+++.", 5, Direction::Right},
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
  EXPECT_EQ(game.host.engine().state().Lijnen.size(), 502u);  // 501 entries after element 0
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
  off.host.engine().opties().volglijnen = false;
  off.play("R");
  EXPECT_EQ(off.host.barsDrawn(), 0);
  EXPECT_EQ(off.sounds(), (Sounds{1, 5, 2}));
  PlayBoard unset({"S>."});
  unset.host.engine().opties().Lijnvertraging = 0;
  unset.play("R");
  EXPECT_EQ(unset.host.engine().opties().Lijnvertraging, 20);
}
