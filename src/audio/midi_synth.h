#pragma once

#include <future>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;

namespace dwaalbos {

// The General MIDI synthesiser with its soundfont. Loading the soundfont takes a tenth of a
// second or more, so it is done once, on a thread of its own, as soon as the output's rate is
// known; starting a piece later costs no loading.
class MidiSynth {
 public:
  MidiSynth() = default;
  MidiSynth(const MidiSynth&) = delete;
  MidiSynth& operator=(const MidiSynth&) = delete;
  ~MidiSynth();

  // Starts loading at `frequency`, unless it has started already.
  void load(int frequency);
  // The synthesiser, waiting for the load if it is still going on; nullptr when it failed or
  // never started.
  fluid_synth_t* synth();

 private:
  struct Loaded {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
  };
  static Loaded create(int frequency);

  std::future<Loaded> loading_;
  Loaded loaded_;
};

}  // namespace dwaalbos
