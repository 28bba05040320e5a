#pragma once

#include <vector>

#include "synth/signal.h"

namespace dwaalbos::synth {

// Loudness as people hear it (K-weighted, ITU-R BS.1770, measured by libebur128) of the
// loudest stretch of `windowSeconds` (at most 0.4), in LUFS; -70 or less for silence. The mono
// sound is measured as the game plays it: the same in both channels, 3 dB louder than one.
double loudestLoudness(const Signal& signal, double windowSeconds = 0.1);

// A mono sound as the game plays it, interleaved stereo with both channels alike.
std::vector<double> inBothChannels(const Signal& signal);

// What is said of a whole programme, such as a piece of music: its integrated loudness and its
// loudest 3 s (both LUFS), and its true peak between the samples (dBTP).
struct ProgrammeLoudness {
  double integrated = 0.0;
  double maxShortTerm = 0.0;
  double truePeak = 0.0;
};

// `interleaved` holds `channels` channels at kRate, full scale at ±1.
ProgrammeLoudness programmeLoudness(const std::vector<double>& interleaved, unsigned channels);

// The loudness of the last 400 ms (LUFS), every 100 ms from 400 ms on.
std::vector<double> momentaryLoudness(const std::vector<double>& interleaved, unsigned channels);

}  // namespace dwaalbos::synth
