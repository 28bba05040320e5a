// Writes the game's sound effects, 1.wav to 12.wav, into the folder named on the command line.
#include <exception>
#include <filesystem>
#include <iostream>

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

// The step sounds with every square walked, so it sits 12 dB below the others; the fanfare is
// the one sound allowed to stand out.
const Slot kSlots[] = {
    {"1.wav", levelStart, Level::loudness(-15.0, -3.0)},
    {"2.wav", arrowWhoosh, Level::loudness(-17.0, -3.0)},
    {"3.wav", crushed, Level::loudness(-15.0, -3.0)},
    {"4.wav", pushKnock, Level::loudness(-15.0, -3.0)},
    {"5.wav", footstep, Level::loudness(-27.0, -15.0)},
    {"9.wav", switchClick, Level::loudness(-16.0, -3.0)},
    {"10.wav", keyJingle, Level::loudness(-16.0, -3.0)},
    {"11.wav", lockAndCreak, Level::loudness(-15.0, -3.0)},
    {"12.wav", levelCompleted, Level::peak(-3.0)},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: dwaalbos-soundgen <folder>\n";
    return 2;
  }
  try {
    const std::filesystem::path folder = argv[1];
    for (const Slot& slot : kSlots)
      dwaalbos::synth::writeWav(folder / slot.file, finished(slot.make(), slot.level));
  } catch (const std::exception& error) {
    std::cerr << "dwaalbos-soundgen: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
