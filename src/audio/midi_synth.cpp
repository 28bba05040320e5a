#include "audio/midi_synth.h"

#include <fluidsynth.h>

namespace dwaalbos {

namespace {

// Named explicitly: fluidsynth would otherwise pick whatever soundfont the system links as default.
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
// Loud enough to carry the tune, with room for the sound effects on top.
constexpr double kGain = 0.6;

}  // namespace

MidiSynth::~MidiSynth() {
  synth();
  delete_fluid_synth(loaded_.synth);
  delete_fluid_settings(loaded_.settings);
}

void MidiSynth::load(int frequency) {
  if (loading_.valid() || loaded_.settings != nullptr) return;
  loading_ = std::async(std::launch::async, &MidiSynth::create, frequency);
}

fluid_synth_t* MidiSynth::synth() {
  if (loading_.valid()) loaded_ = loading_.get();
  return loaded_.synth;
}

MidiSynth::Loaded MidiSynth::create(int frequency) {
  Loaded loaded;
  loaded.settings = new_fluid_settings();
  if (loaded.settings == nullptr) return loaded;
  fluid_settings_setnum(loaded.settings, "synth.sample-rate", frequency);
  fluid_settings_setnum(loaded.settings, "synth.gain", kGain);
  fluid_settings_setint(loaded.settings, "synth.lock-memory", 0);
  // The player is clocked by the samples the mixer asks for, so pausing the output pauses it.
  fluid_settings_setstr(loaded.settings, "player.timing-source", "sample");
  fluid_synth_t* synth = new_fluid_synth(loaded.settings);
  if (synth != nullptr && fluid_synth_sfload(synth, kSoundFont, 1) == FLUID_FAILED) {
    delete_fluid_synth(synth);
    synth = nullptr;
  }
  loaded.synth = synth;
  return loaded;
}

}  // namespace dwaalbos
