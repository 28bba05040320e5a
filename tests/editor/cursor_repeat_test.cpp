#include "editor/cursor_repeat.h"

#include <gtest/gtest.h>

namespace dwaalbos {
namespace {

// Moves seen while a key is pressed at 0 and held until `releasedAt`, looked at every 85 ms
// as the cursor loop does, starting `phase` ms after the press.
int movesWhileHeld(int releasedAt, int phase) {
  CursorRepeat repeat;
  int moves = repeat.step(true, true, 0) ? 1 : 0;
  for (int now = phase; now < releasedAt + 200; now += 85)
    moves += repeat.step(false, now < releasedAt, now) ? 1 : 0;
  return moves;
}

TEST(CursorRepeat, ATapMovesOnceHoweverTheLoopFallsAndAHeldKeyRepeatsAfterTheFirstDelay) {
  for (int phase : {1, 40, 84}) {
    EXPECT_EQ(movesWhileHeld(150, phase), 1) << phase;
    EXPECT_EQ(movesWhileHeld(240, phase), 1) << phase;
    // 250 ms, then every 85 ms until the release at 700 ms: six more.
    const int held = movesWhileHeld(700, phase);
    EXPECT_GE(held, 6) << phase;
    EXPECT_LE(held, 7) << phase;
  }
}

TEST(CursorRepeat, AKeyHeldOverWithoutAPressDoesNotMove) {
  CursorRepeat repeat;
  EXPECT_FALSE(repeat.step(false, true, 0));
  EXPECT_FALSE(repeat.step(false, true, 1000));
  EXPECT_TRUE(repeat.step(true, true, 1085));
}

}  // namespace
}  // namespace dwaalbos
