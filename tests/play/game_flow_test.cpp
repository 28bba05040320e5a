// Starting, restarting and leaving games, and the introduction screen.
#include <gtest/gtest.h>

#include "play_board.h"

using namespace dwaalbos;

// A level with a maker shows its introduction first; an anonymous unnamed one starts at once,
// even with a comment.
TEST(GameFlow, OnlyANamedLevelShowsItsIntroductionFirst) {
  PlayBoard game({"S"});
  game.editFile([](Doolhof& level) { level.Maker = "Zoë"; });
  game.play("");
  EXPECT_EQ(game.host.introductions(), 1);
  EXPECT_EQ(game.host.introduction().naam, "Geennaam");
  EXPECT_EQ(game.host.introduction().maker, "Gemaakt door Zoë");
  EXPECT_EQ(game.host.introduction().commentaar, "Geen commentaar");
  EXPECT_EQ(game.host.title(), "Dwaalbos 6.0:  door Zoë");
  game.editFile([](Doolhof& level) { level = {level.Vakken, "", "", "Veel plezier"}; });
  game.play("");
  EXPECT_EQ(game.host.introductions(), 1);
  EXPECT_EQ(game.host.makerCaption(), "Anoniem");
}

TEST(GameFlow, TheLeftmostThenTopmostStartSquareIsUsed) {
  PlayBoard game({"...S", ".S", ".S"});
  game.play("");
  EXPECT_EQ(std::pair(game.col(), game.row()), std::pair(2, 2));
}

TEST(GameFlow, IndexZeroCellsNeverReachTheBoard) {
  PlayBoard game({"S#"});
  game.editFile([](Doolhof& level) {
    level.Vakken.set(0, 1, cell::kWall);
    level.Vakken.set(1, 0, cell::kWall);
  });
  game.play("U");
  EXPECT_EQ(game.at(0, 1), 0);
  EXPECT_EQ(game.at(1, 0), 0);
}

TEST(GameFlow, AnUnreadableLevelIsNotStarted) {
  PlayBoard game({"S"});
  EXPECT_FALSE(game.host.play(LevelRef::file(game.folder.path("weg.dwb")), "R"));
  EXPECT_FALSE(game.host.play(LevelRef::standard(44), "R"));
}

TEST(GameFlow, TheKeyCountAndTheFacingStartAfreshEveryGame) {
  PlayBoard game({"Sk"});
  game.play("RD");
  EXPECT_EQ(game.richting(), Direction::Down);
  game.play("");
  EXPECT_EQ(game.host.keyCount(), 0);
  EXPECT_EQ(game.richting(), Direction::Right);
}

// Restarts the level from inside every pass, as the restart command would.
class Restarter : public HeadlessHost {
 public:
  Restarter(SharedState& shared, int restarts) : HeadlessHost(shared, false), left_(restarts) {}
  bool keyState(GameKey key) override {
    if (key != GameKey::Left) return false;
    int here = 0;
    const auto depth = reinterpret_cast<std::uintptr_t>(&here);
    deepest_ = std::min(deepest_, depth);
    shallowest_ = std::max(shallowest_, depth);
    if (left_-- > 0) engine().overnieuw();
    else engine().stopGame();
    return false;
  }
  // Zero when every pass ran at the same depth; grows with each restart that nests.
  std::uintptr_t stackUsed() const { return left_ < 0 ? shallowest_ - deepest_ : UINTPTR_MAX; }

 private:
  int left_;
  std::uintptr_t deepest_ = UINTPTR_MAX;
  std::uintptr_t shallowest_ = 0;
};

TEST(GameFlow, TenThousandRestartsInARowRunInConstantStack) {
  PlayBoard game({"S"});
  Restarter host(game.shared, 10000);
  host.play(game.level, std::string(10001, '.'));
  EXPECT_EQ(host.stackUsed(), 0u);
}

TEST(GameFlow, ARestartWhenNoGameRunsStartsTheLevelAtOnce) {
  PlayBoard game({"SE"});
  game.play("R");
  ASSERT_TRUE(game.host.ended());
  game.host.clearEvents();
  game.host.engine().overnieuw();
  EXPECT_EQ(game.at(2, 1), cell::kEnd);
  EXPECT_EQ(game.sounds(), (std::vector<int>{1}));
}

TEST(GameFlow, ACrushAtTheEndOfARideAsksWhetherToLeave) {
  // The ride ends on the block at (3,2), pushed down onto arrows that bring it back; a crush
  // at the end of a ride hands over to the close handler.
  PlayBoard game({"S>v", "..X<", "..>^"}, false);
  game.play("RDD");
  EXPECT_EQ(game.dialogTitles(), (std::vector<std::string>{"Zelfmoord", "Bevestiging"}));
  EXPECT_FALSE(game.host.ended());  // "No": the game went on, on the emptied board,
  EXPECT_TRUE(game.host.engine().state().Pauze);  // paused as the close handler leaves it
  EXPECT_EQ(std::pair(game.col(), game.row()), std::pair(3, 2));  // the keys after it did nothing
}
