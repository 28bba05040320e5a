#pragma once

#include <string>

#include "audio/mci_sequencer.h"

namespace dwaalbos {

// MIDI pieces through the sequencer's command strings. Every command names the piece by
// `Midibestand`, the path written as a device name (quoted, so paths with spaces work).
// Failures end the attempt silently.
class Midi {
 public:
  explicit Midi(MciSequencer& sequencer) : sequencer_(sequencer) {}

  void midispeel(const std::string& bestand);
  void midipauze();
  void midiverder();
  void midisluit();

  const std::string& Midibestand() const { return Midibestand_; }

 private:
  MciSequencer& sequencer_;
  std::string Midibestand_;
};

}  // namespace dwaalbos
