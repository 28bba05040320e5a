#include <algorithm>
#include <thread>

#include "audio/sdl_sound.h"
#include "audio_fixture.h"

namespace dwaalbos::audiotest {
namespace {

using namespace std::chrono_literals;

class SoundEffectsTest : public AudioTest {};

// A constant-level pulse cannot cancel itself, so overlapping plays add up exactly.
TEST_F(SoundEffectsTest, RepeatsOverlapInsteadOfRestartingAndFallSilent) {
  writeLevel(soundFile(5), 0.4, 8000 / 32768.0);
  SdlSound& sound = started();
  sound.speelgeluid(5);
  const double single = peakDuring(150ms);
  sound.speelgeluid(5);
  const double overlapping = peakDuring(200ms);
  EXPECT_NEAR(single, 8000 / 32768.0, 0.01);
  EXPECT_NEAR(overlapping, 2 * single, 0.02);
  // The second pulse ends 150 ms after the first: the sound lasts longer, not shorter.
  std::this_thread::sleep_for(100ms);
  EXPECT_GT(listen(50ms), kSounding);
  std::this_thread::sleep_for(200ms);
  EXPECT_LT(listen(150ms), kSilent);  // played once, not repeated
}

// The level is a gain of the square of the percentage; it holds for sounds asked for later,
// and a sound that plays glides to a new level instead of jumping, which would tick.
TEST_F(SoundEffectsTest, TheVolumeScalesEveryEffectGlidesAndZeroMutes) {
  writeLevel(soundFile(4), 0.1, 8000 / 32768.0);
  writeLevel(soundFile(12), 1.5, 8000 / 32768.0);
  SdlSound& sound = started();
  sound.geluidssterkte(100, 50);
  sound.speelgeluid(4);
  EXPECT_NEAR(peakDuring(150ms), 2000 / 32768.0, 0.005);
  sound.geluidssterkte(100, 100);
  sound.speelgeluid(12);
  std::this_thread::sleep_for(200ms);
  const auto samples = recorded([&] {
    sound.geluidssterkte(100, 0);
    std::this_thread::sleep_for(150ms);
    sound.geluidssterkte(100, 100);
    std::this_thread::sleep_for(150ms);
  });
  ASSERT_GT(samples.size(), 1000u);
  EXPECT_EQ(*std::min_element(samples.begin(), samples.end()), 0);
  EXPECT_EQ(samples.back(), 8000);
  EXPECT_LT(largestStep(samples), 8000 / 20);
  sound.geluidssterkte(100, 0);
  std::this_thread::sleep_for(50ms);
  sound.speelgeluid(4);
  EXPECT_LT(peakDuring(150ms), kSilent);
}

// A game waiting in silence leaves the output at rest; the next sound wakes it at once.
TEST_F(SoundEffectsTest, TheOutputRestsWhileNothingSoundsAndWakesForTheNextSound) {
  writeLevel(soundFile(9), 0.1, 0.5);
  SdlSound& sound = started();
  sound.speelgeluid(9);
  EXPECT_FALSE(sound.resting());
  const auto giveUp = std::chrono::steady_clock::now() + 5s;
  while (!sound.resting() && std::chrono::steady_clock::now() < giveUp)
    std::this_thread::sleep_for(20ms);
  ASSERT_TRUE(sound.resting());
  sound.speelgeluid(9);
  EXPECT_FALSE(sound.resting());
  EXPECT_NEAR(peakDuring(150ms), 0.5, 0.01);
}

// Of two variants, the one not heard last is the only choice.
TEST_F(SoundEffectsTest, VariantsOfASlotNeverPlayTwiceInARow) {
  writeLevel(soundFile(5), 0.1, 4000 / 32768.0);
  writeLevel(folder + "/geluid/5_2.wav", 0.1, 12000 / 32768.0);
  SdlSound& sound = started();
  sound.speelgeluid(5);
  double last = peakDuring(150ms);
  for (int play = 0; play < 3; ++play) {
    sound.speelgeluid(5);
    const double now = peakDuring(150ms);
    EXPECT_NEAR(now, (last < 0.25 ? 12000 : 4000) / 32768.0, 0.01);
    last = now;
  }
}

TEST_F(SoundEffectsTest, EmptySlotsDamagedFilesAndBadNumbersAreSilent) {
  writeLevel(soundFile(1), 0.25, 0.5);
  writeLevel(soundFile(6), 0.25, 0.5);  // not a slot that is loaded
  temp.write("geluid/3.wav", {'R', 'I', 'F', 'F', 1, 2, 3});
  SdlSound& sound = started();
  for (int slot : {-1, 0, 2, 3, 6, 13, 14, 1000}) sound.speelgeluid(slot);
  EXPECT_LT(listen(200ms), kSilent);
}

TEST_F(SoundEffectsTest, ClosingCutsOffAndLaterRequestsAreHarmless) {
  writeLevel(soundFile(12), 2.0, 0.5);
  SdlSound& sound = started();
  sound.speelgeluid(12);
  std::this_thread::sleep_for(100ms);
  sound.sluitgeluid();
  sound.speelgeluid(12);
  sound.speelmuziek(musicFile("none.mod"));
  EXPECT_LT(listen(100ms), kSilent);  // the file no longer grows
}

}  // namespace
}  // namespace dwaalbos::audiotest
