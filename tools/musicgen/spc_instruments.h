#pragma once

#include <cstdint>
#include <vector>

#include "musicgen/song.h"

namespace dwaalbos::music {

// Every chip sample is made so that the pitch register's unit value (0x1000, the sample played
// at the chip's own 32 kHz) sounds this note: one table of pitches then serves them all.
constexpr double kChipRootHz = 500.0;
constexpr int kChipRate = 32000;

// An instrument of the sound chip: a looping waveform, its ADSR envelope, and how its notes are
// let go.
struct ChipInstrument {
  std::vector<std::int16_t> samples;  // a multiple of 16, looping whole
  std::uint8_t adsr1;                 // enable bit, decay rate, attack rate
  std::uint8_t adsr2;                 // sustain level, sustain rate
  bool noise = false;                 // plays the chip's noise instead of the waveform
  bool vibrato = false;               // held notes waver gently in pitch
  std::uint8_t releaseGain = 0;       // GAIN for letting go in its own time; 0 keys off at once
  int releaseFrames = 1;              // how long that takes to fall silent
  std::uint8_t hurriedGain = 0;       // GAIN that silences the voice quickly before its next note
  int hurriedFrames = 1;              // how many frames before that next note it starts
  bool echo = false;
  double loudness = 1.0;  // trims the voice volume to match the module's mix
};

ChipInstrument chipInstrument(Instrument instrument);

}  // namespace dwaalbos::music
