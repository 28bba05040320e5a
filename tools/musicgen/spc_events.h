#pragma once

#include <cstdint>
#include <vector>

#include "musicgen/song.h"
#include "musicgen/spc_instruments.h"

namespace dwaalbos::music {

// One of the chip's eight voices and the notes it plays.
struct ChipVoice {
  int instrumentIndex;
  ChipInstrument instrument;
  MixPlace place;
  std::vector<Note> notes;  // one at a time, sorted
};

// The driver's event list for the song: key-ons and releases on a grid of `framesPerStep`
// frames per step, the waits between them, and the end marker that starts it over.
std::vector<std::uint8_t> songEvents(const std::vector<ChipVoice>& voices, int framesPerStep,
                                     int lengthSteps);

}  // namespace dwaalbos::music
