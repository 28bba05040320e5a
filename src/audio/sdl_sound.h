#pragma once

#include <string>

#include "audio/cls_spc.h"
#include "audio/mci_sequencer.h"
#include "audio/melding.h"
#include "audio/midi.h"
#include "audio/mixer_device.h"
#include "audio/module_songs.h"
#include "audio/music_player.h"
#include "audio/music_stream.h"
#include "audio/sound.h"
#include "audio/sound_effects.h"
#include "audio/zdspc_player.h"

namespace dwaalbos {

// The game's sound on SDL_mixer: effects from <gameFolder>/geluid and the three music players
// sharing one output. Without a sound device everything stays silent; nothing ever blocks.
class SdlSound : public Sound {
 public:
  // `melding` shows the SPC player's messages (see melding.h).
  SdlSound(const std::string& gameFolder, Melding melding);
  ~SdlSound() override;

  // Opens the output and loads the samples; once, at start-up.
  void initgeluid();

  void speelgeluid(int slot) override;
  void sluitgeluid() override;

  void speelmuziek(const std::string& path) override;
  void pauzeermuziek() override;
  void hervatmuziek() override;
  void stopmuziek() override;
  bool muziekpauze() const override;
  void geluidssterkte(int muziek, int geluid) override;

  // `Spc`, whose settings are given once at start-up.
  clsSPC& Spc() { return spc_; }
  const MusicPlayer& muziek() const { return muziek_; }
  // Whether the output rests because nothing has sounded for a moment.
  bool resting() const { return device_.resting(); }

 private:
  MixerDevice device_;
  MusicStream stream_;
  SoundEffects effects_;
  ModuleSongs songs_;
  MciSequencer sequencer_;
  Midi midi_;
  ZdSpcPlayer spcPlayer_;
  clsSPC spc_;
  MusicPlayer muziek_;
};

}  // namespace dwaalbos
