// Writes the game's sound effects, 1.wav to 12.wav and the step's variants, into the folder
// named on the command line, and fails when what it made would sound wrong.
#include <exception>
#include <filesystem>
#include <iostream>

#include "soundgen/checks.h"
#include "soundgen/effects.h"
#include "soundgen/levels.h"
#include "synth/wav_file.h"

namespace {

using namespace dwaalbos::soundgen;

struct Slot {
  const char* file;
  Signal (*make)();
  Level level;
};

// Loudness as people hear it, played in both channels, 8-10 dB above the music. The step sounds
// with every square walked, so it sits 8 dB under the other effects; the click and the knock
// are over within 100 ms and are judged by that. The step's variants share the one slot. The
// knock starts with a step every time: its peak is held lower so the two together do not clip.
constexpr double kEffect = -15.0;
constexpr double kStep = -23.0;
constexpr double kPeakLimit = -6.0;
constexpr double kKnockPeakLimit = -8.5;
constexpr double kStepPeakLimit = -10.0;

Level step() { return Level::loudness(kStep, kStepPeakLimit, 2.0); }

const Slot kSlots[] = {
    {"1.wav", levelStart, Level::loudness(kEffect, kPeakLimit)},
    {"2.wav", arrowWhoosh, Level::loudness(kEffect, kPeakLimit)},
    {"3.wav", crushed, Level::loudness(kEffect, kPeakLimit)},
    {"4.wav", pushKnock, Level::click(kEffect, kKnockPeakLimit)},
    {"5.wav", [] { return footstep(0); }, step()},
    {"5_2.wav", [] { return footstep(1); }, step()},
    {"5_3.wav", [] { return footstep(2); }, step()},
    {"5_4.wav", [] { return footstep(3); }, step()},
    {"9.wav", switchClick, Level::click(kEffect, kPeakLimit)},
    {"10.wav", keyJingle, Level::loudness(kEffect, kPeakLimit)},
    {"11.wav", lockAndCreak, Level::loudness(kEffect, kPeakLimit)},
    {"12.wav", levelCompleted, Level::loudness(kEffect, kPeakLimit)},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: dwaalbos-soundgen <folder>\n";
    return 2;
  }
  try {
    const std::filesystem::path folder = argv[1];
    std::vector<Written> written;
    for (const Slot& slot : kSlots) {
      written.push_back({slot.file, finished(slot.make(), slot.level), slot.level});
      dwaalbos::synth::writeWav(folder / slot.file, written.back().sound);
    }
    const std::vector<std::string> problems = soundProblems(written);
    for (const std::string& problem : problems)
      std::cerr << "dwaalbos-soundgen: " << problem << '\n';
    if (!problems.empty()) return 1;
  } catch (const std::exception& error) {
    std::cerr << "dwaalbos-soundgen: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
