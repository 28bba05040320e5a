#pragma once

#include "synth/signal.h"

namespace dwaalbos::soundgen {

// How loud a finished sound is: its loudest stretch of `windowSeconds` brought to `loudnessDb`
// as people hear it (K-weighted, LUFS) when the game plays it in both channels, its peaks held
// at `peakLimitDb` (dBFS). A sound is taken in over 400 ms; a click is over sooner and is judged
// by its loudest 100 ms.
struct Level {
  double loudnessDb;
  double peakLimitDb;
  double windowSeconds = 0.4;
  double toleranceDb = 1.5;

  static Level loudness(double db, double peakLimitDb, double toleranceDb = 1.5) {
    return {db, peakLimitDb, 0.4, toleranceDb};
  }
  static Level click(double db, double peakLimitDb) { return {db, peakLimitDb, 0.1}; }
};

// Ready to write: no offset from zero, the inaudible tail cut off, brought to `level`, and
// faded at both edges so it starts and stops without a click.
synth::Signal finished(synth::Signal sound, const Level& level);

}  // namespace dwaalbos::soundgen
