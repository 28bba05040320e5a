#pragma once

#include "synth/signal.h"

namespace dwaalbos::soundgen {

// How loud a finished sound is: its loudest 100 ms brought to `loudnessDb` as people hear it
// (K-weighted, LUFS), but its peak never above `peakLimitDb` (dBFS). Without a loudness the
// peak itself is set to the limit.
struct Level {
  double loudnessDb;
  double peakLimitDb;
  bool byPeak = false;

  static Level loudness(double db, double peakLimitDb) { return {db, peakLimitDb}; }
  static Level peak(double db) { return {0.0, db, true}; }
};

// Ready to write: no offset from zero, the inaudible tail cut off, brought to `level`, and
// faded at both edges so it starts and stops without a click.
synth::Signal finished(synth::Signal sound, const Level& level);

}  // namespace dwaalbos::soundgen
