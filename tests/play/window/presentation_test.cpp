// The pace at which a move is shown.
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

#include "play/window/presentation.h"

using dwaalbos::Presentation;

// A delay is a minimum: a timer that fires early must not cut a frame short. Measured on the
// monotonic clock, with no upper bound, so a busy machine cannot make it fail. A coarse timer
// ends some of the longer waits early in nearly every run.
TEST(Presentation, EveryWaitOfAMoveLastsAtLeastItsDelay) {
  const int delays[] = {40, 40, 40, 40, 40, 300, 300, 200, 200, 150, 100, 100, 20, 20, 7, 1};
  QElapsedTimer clock;
  std::vector<qint64> stepsAt;
  const auto note = [&] { stepsAt.push_back(clock.nsecsElapsed()); };
  Presentation presentation;
  presentation.hold();
  clock.start();
  presentation.add(note);
  for (int ms : delays) {
    presentation.wait(ms);
    presentation.add(note);
  }
  bool shown = false;
  presentation.play([&] { shown = true; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return shown; }, 10000));
  ASSERT_EQ(stepsAt.size(), std::size(delays) + 1);
  for (std::size_t i = 0; i < std::size(delays); ++i)
    EXPECT_GE(stepsAt[i + 1] - stepsAt[i], delays[i] * 1'000'000LL) << "wait " << i;
}
