#include "soundgen/levels.h"

#include <gtest/gtest.h>

#include <cmath>

#include "synth/envelopes.h"
#include "synth/loudness.h"
#include "synth/oscillators.h"

namespace dwaalbos::soundgen {
namespace {

using namespace synth;

TEST(FinishedSound, StartsAndEndsAtZeroWithoutOffset) {
  Signal tone = sine(0.3, constant(440.0));
  for (double& s : tone) s += 0.2;  // an offset and an abrupt start and end
  const Signal done = finished(tone, Level::loudness(-15.0, -3.0));
  EXPECT_NEAR(done.front(), 0.0, 1e-9);
  EXPECT_NEAR(done.back(), 0.0, 1e-9);
  double mean = 0.0;
  for (double s : done) mean += s;
  EXPECT_NEAR(mean / static_cast<double>(done.size()), 0.0, 1e-3);
}

TEST(FinishedSound, ReachesItsLoudnessWithItsPeaksHeldAtTheLimit) {
  const Signal tone = sine(0.3, constant(440.0));
  EXPECT_NEAR(loudestLoudness(finished(tone, Level::loudness(-20.0, -3.0)), 0.4), -20.0, 0.2);
  EXPECT_NEAR(loudestLoudness(finished(tone, Level::click(-20.0, -3.0)), 0.1), -20.0, 0.2);
  // A knock: its first milliseconds peak far above its body. Only they are turned down.
  Signal knock = sine(0.3, constant(200.0));
  multiply(knock, strike(0.001, 0.05));
  const Signal done = finished(knock, Level::click(-15.0, -9.0));
  EXPECT_NEAR(loudestLoudness(done, 0.1), -15.0, 0.5);
  EXPECT_LE(decibels(peak(done)), -9.0 + 1e-6);
}

// Played in both channels a sound is 3 dB louder than one channel of it.
TEST(FinishedSound, IsMeasuredAsPlayedInBothChannels) {
  const Signal tone = sine(1.0, constant(1000.0));
  const ProgrammeLoudness oneChannel = programmeLoudness(tone, 1);
  EXPECT_NEAR(loudestLoudness(tone, 0.4) - oneChannel.integrated, 3.0, 0.1);
}

TEST(FinishedSound, LosesItsInaudibleTail) {
  Signal ring = sine(3.0, constant(440.0));
  multiply(ring, decay(0.05));
  // 60 dB down after about 0.35 s; the rest is cut.
  EXPECT_LT(finished(ring, Level::loudness(-20.0, -6.0)).size(),
            static_cast<std::size_t>(sampleCount(0.5)));
}

}  // namespace
}  // namespace dwaalbos::soundgen
