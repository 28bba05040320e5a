// The generated sound effects as the game finds them in its folder.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "mixer_fixture.h"
#include "sound_test_support.h"

namespace {

struct Wave {
  int format = 0;
  int channels = 0;
  int rate = 0;
  int bits = 0;
  std::vector<double> samples;  // mono mix, full scale 1.0

  double seconds() const { return static_cast<double>(samples.size()) / rate; }
};

unsigned little(const std::vector<std::uint8_t>& bytes, std::size_t at, int width) {
  unsigned value = 0;
  for (int i = width - 1; i >= 0; --i)
    value = value << 8 | bytes.at(at + static_cast<std::size_t>(i));
  return value;
}

Wave readWave(const std::string& slot) {
  const std::vector<std::uint8_t> bytes =
      soundtest::readFile(soundtest::gameFile("geluid/" + slot));
  Wave wave;
  if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF") return wave;
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::string id(bytes.begin() + static_cast<long>(at),
                         bytes.begin() + static_cast<long>(at) + 4);
    const std::size_t size = little(bytes, at + 4, 4);
    if (id == "fmt ") {
      wave.format = static_cast<int>(little(bytes, at + 8, 2));
      wave.channels = static_cast<int>(little(bytes, at + 10, 2));
      wave.rate = static_cast<int>(little(bytes, at + 12, 4));
      wave.bits = static_cast<int>(little(bytes, at + 22, 2));
    } else if (id == "data" && wave.bits == 16 && wave.channels > 0) {
      for (std::size_t i = at + 8;
           i + 2 * wave.channels <= at + 8 + size && i + 2 * wave.channels <= bytes.size();
           i += 2 * static_cast<std::size_t>(wave.channels)) {
        double sum = 0.0;
        for (int c = 0; c < wave.channels; ++c)
          sum += static_cast<std::int16_t>(little(bytes, i + 2 * static_cast<std::size_t>(c), 2)) /
                 32768.0;
        wave.samples.push_back(sum / wave.channels);
      }
    }
    at += 8 + size + size % 2;
  }
  return wave;
}

double peakDb(const Wave& wave) {
  double highest = 0.0;
  for (double s : wave.samples) highest = std::max(highest, std::abs(s));
  return 20.0 * std::log10(highest + 1e-12);
}

// How loud the sound seems at its height: the RMS of its loudest 50 ms.
double loudnessDb(const Wave& wave) {
  if (wave.rate < 20) return -200.0;
  const std::size_t window = static_cast<std::size_t>(wave.rate / 20);
  double loudest = 0.0;
  for (std::size_t start = 0; start + window <= wave.samples.size(); start += window / 4) {
    double sum = 0.0;
    for (std::size_t i = start; i < start + window; ++i) sum += wave.samples[i] * wave.samples[i];
    loudest = std::max(loudest, sum / static_cast<double>(window));
  }
  return 10.0 * std::log10(loudest + 1e-20);
}

const char* const kSlots[] = {"1.wav", "2.wav",  "3.wav",  "4.wav", "5.wav",
                              "9.wav", "10.wav", "11.wav", "12.wav"};
constexpr const char* kStep = "5.wav";

class SoundEffectFile : public ::testing::TestWithParam<const char*> {};

TEST_P(SoundEffectFile, IsShort16BitPcmAt44100Hz) {
  const Wave wave = readWave(GetParam());
  EXPECT_EQ(wave.format, 1);
  EXPECT_TRUE(wave.channels == 1 || wave.channels == 2);
  EXPECT_EQ(wave.rate, 44100);
  EXPECT_EQ(wave.bits, 16);
  EXPECT_GT(wave.seconds(), 0.03);
  EXPECT_LT(wave.seconds(), 1.6);
}

TEST_P(SoundEffectFile, StartsAndEndsInSilenceWithoutOffset) {
  const Wave wave = readWave(GetParam());
  ASSERT_GT(wave.samples.size(), 100u);
  // A sample that starts or stops away from zero clicks; so does a constant offset.
  EXPECT_LT(std::abs(wave.samples.front()), 0.002);
  EXPECT_LT(std::abs(wave.samples.back()), 0.002);
  double tail = 0.0;
  for (std::size_t i = wave.samples.size() - 44; i < wave.samples.size(); ++i)
    tail = std::max(tail, std::abs(wave.samples[i]));
  EXPECT_LT(tail, 0.01);
  double mean = 0.0;
  for (double s : wave.samples) mean += s;
  EXPECT_LT(std::abs(mean / static_cast<double>(wave.samples.size())), 0.002);
}

TEST_P(SoundEffectFile, PeaksWellBelowClipping) {
  const Wave wave = readWave(GetParam());
  const double peak = peakDb(wave);
  EXPECT_LT(peak, -2.5);
  EXPECT_GT(peak, std::string(GetParam()) == kStep ? -32.0 : -16.0);
}

INSTANTIATE_TEST_SUITE_P(Slots, SoundEffectFile, ::testing::ValuesIn(kSlots));

class SoundEffectsInTheMixer : public MixerTest {};

TEST_F(SoundEffectsInTheMixer, EverySampleLoads) {
  for (const char* slot : kSlots) {
    Mix_Chunk* chunk = Mix_LoadWAV(soundtest::gameFile(std::string("geluid/") + slot).c_str());
    EXPECT_NE(chunk, nullptr) << slot << ": " << Mix_GetError();
    Mix_FreeChunk(chunk);
  }
}

TEST(SoundEffectLevels, TheFanfarePeaksAboutThreeDecibelsBelowFullScale) {
  const double peak = peakDb(readWave("12.wav"));
  EXPECT_GT(peak, -3.5);
  EXPECT_LT(peak, -2.5);
}

TEST(SoundEffectLevels, TheStepSitsAboutTwelveDecibelsBelowTheOthers) {
  std::vector<double> others;
  for (const char* slot : kSlots)
    if (std::string(slot) != kStep && std::string(slot) != "12.wav")
      others.push_back(loudnessDb(readWave(slot)));
  std::sort(others.begin(), others.end());
  const double typical = others[others.size() / 2];
  const double step = loudnessDb(readWave(kStep));
  EXPECT_GT(typical - step, 9.0);
  EXPECT_LT(typical - step, 15.0);
  // The others are balanced among themselves; a click is too short to fill the window fully.
  for (double other : others) EXPECT_LT(std::abs(other - typical), 7.0);
}

TEST(SoundEffectGenerator, WritesTheNineSamplesAndNothingElse) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("dwaalbos-soundgen-test-" + std::to_string(getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::string command = std::string(DWAALBOS_SOUNDGEN) + " " + folder.string();
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::set<std::string> written;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    written.insert(entry.path().filename().string());
  // Niets.wav in that folder is the progress file, never a sound.
  EXPECT_EQ(written, std::set<std::string>(std::begin(kSlots), std::end(kSlots)));
  std::filesystem::remove_all(folder);
}

}  // namespace
