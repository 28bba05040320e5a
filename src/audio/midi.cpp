#include "audio/midi.h"

namespace dwaalbos {

void Midi::midispeel(const std::string& bestand) {
  Midibestand_ = mciDeviceName(bestand);
  if (sequencer_.mciSendString("open " + Midibestand_ + " type sequencer") != 0) return;
  sequencer_.mciSendString("play " + Midibestand_ + " from 0 notify");
}

void Midi::midipauze() { sequencer_.mciSendString("pause " + Midibestand_); }

void Midi::midiverder() { sequencer_.mciSendString("play " + Midibestand_); }

void Midi::midisluit() { sequencer_.mciSendString("close " + Midibestand_); }

}  // namespace dwaalbos
