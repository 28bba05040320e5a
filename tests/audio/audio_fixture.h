#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "audio/sdl_sound.h"
#include "music_files.h"
#include "support/temp_folder.h"

namespace dwaalbos::audiotest {

// Levels clearly above and below what the test files produce.
constexpr double kSilent = 0.002;
constexpr double kSounding = 0.02;

// The largest change from one sample to the next in either channel of interleaved stereo: a
// smooth tone or a glide moves by a small part of its height, a cut by all of it.
int largestStep(const std::vector<std::int16_t>& samples);
int loudest(const std::vector<std::int16_t>& samples);

// A game folder of its own (with geluid/ and muziek/) for every test, and the sound output
// sent to a file in it, read back to measure what was heard. The sound closes before the
// folder goes.
class AudioTest : public ::testing::Test {
 protected:
  AudioTest();

  // The game's sound on this folder, started.
  SdlSound& started();

  std::string soundFile(int slot) const;
  std::string musicFile(const std::string& name) const;

  // Waits and measures the level (RMS, 0..1) of what the output wrote meanwhile.
  double listen(std::chrono::milliseconds duration) const;
  // Whether the output sounds clearly within `limit`: a piece read on its own thread may start
  // late on a busy machine, but one left paused never sounds.
  bool soundsWithin(std::chrono::milliseconds limit) const;
  // The largest sample (0..1) written while waiting.
  double peakDuring(std::chrono::milliseconds duration) const;
  // The samples (interleaved stereo) the output wrote while `actions` ran.
  std::vector<std::int16_t> recorded(const std::function<void()>& actions) const;

  // The SPC player's output settings; the defaults are the ones the game starts with.
  static void spcSettings(SdlSound& sound, long channels = 1, long bits = 16,
                          long frequency = 48000, long volume = 2);

  // Collects the messages the sound wants shown.
  auto meldingen() {
    return [this](const std::string& titel, const std::string& tekst) {
      messages.emplace_back(titel, tekst);
    };
  }

  TempFolder temp;
  std::string folder = temp.root().string();
  std::vector<std::pair<std::string, std::string>> messages;

 private:
  std::vector<std::int16_t> samplesDuring(std::chrono::milliseconds duration) const;
  std::string outputFile;
  std::unique_ptr<SdlSound> sound_;
};

}  // namespace dwaalbos::audiotest
