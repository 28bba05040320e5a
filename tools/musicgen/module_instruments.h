#pragma once

#include <string>
#include <utility>
#include <vector>

#include "musicgen/song.h"
#include "synth/signal.h"

namespace dwaalbos::music {

// A synthesised instrument for a module song: one recorded note, how to tune and loop it, and
// how it swells, vibrates and dies away.
struct ModuleInstrument {
  synth::Signal sample;  // mono at synth::kRate
  double frequency;      // pitch of the recorded note in Hz
  std::size_t loopStart = 0;
  std::size_t loopLength = 0;  // 0: plays once
  // Volume envelope in ticks and 0..64; released from `sustainPoint` on when the key goes up.
  std::vector<std::pair<int, int>> envelope;
  int sustainPoint = -1;  // -1: no envelope, the sample plays out
  int vibratoDepth = 0;
  int vibratoRate = 0;
  int vibratoSweep = 0;
};

ModuleInstrument moduleInstrument(Instrument instrument);

}  // namespace dwaalbos::music
