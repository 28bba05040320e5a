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

// Loudness as people hear it. The step sounds with every square walked, so it sits 12 dB below
// the others; the fanfare peaks low enough to leave room above the music it sounds over. The
// step's variants take turns in the one slot.
const Slot kSlots[] = {
    {"1.wav", levelStart, Level::loudness(-20.0, -7.0)},
    {"2.wav", arrowWhoosh, Level::loudness(-21.0, -7.0)},
    {"3.wav", crushed, Level::loudness(-20.0, -7.0)},
    {"4.wav", pushKnock, Level::loudness(-20.0, -7.0)},
    {"5.wav", [] { return footstep(0); }, Level::loudness(-32.0, -18.0)},
    {"5_2.wav", [] { return footstep(1); }, Level::loudness(-32.0, -18.0)},
    {"5_3.wav", [] { return footstep(2); }, Level::loudness(-32.0, -18.0)},
    {"5_4.wav", [] { return footstep(3); }, Level::loudness(-32.0, -18.0)},
    {"9.wav", switchClick, Level::loudness(-24.5, -7.0)},
    {"10.wav", keyJingle, Level::loudness(-20.0, -7.0)},
    {"11.wav", lockAndCreak, Level::loudness(-20.0, -7.0)},
    {"12.wav", levelCompleted, Level::peak(-9.0)},
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
    for (const std::string& problem : problems) std::cerr << "dwaalbos-soundgen: " << problem << '\n';
    if (!problems.empty()) return 1;
  } catch (const std::exception& error) {
    std::cerr << "dwaalbos-soundgen: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
