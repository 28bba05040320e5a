#pragma once

#include <string>

#include "audio/cls_spc.h"
#include "audio/midi.h"
#include "audio/module_songs.h"

namespace dwaalbos {

// `Muzieksoort`: which player got the music started last.
enum class Muzieksoort { Geen = 0, Midi = 1, Spc = 2, Song = 3 };

// The play window's background music: one file at a time, handed to the player its
// extension chooses ("mid" MIDI, "spc" SPC, anything else the song player), and the Pause
// button's state. Pause and resume reach the player of the music started last.
class MusicPlayer {
 public:
  MusicPlayer(ModuleSongs& songs, Midi& midi, clsSPC& spc)
      : songs_(songs), midi_(midi), spc_(spc) {}

  void speelmuziek(const std::string& bestand);
  void pauzeermuziek();
  void hervatmuziek();
  void stopmuziek();

  Muzieksoort soort() const { return Muzieksoort_; }
  bool Muziekpauze() const { return Muziekpauze_; }
  ModuleSongs::Handle Song() const { return Song_; }

 private:
  ModuleSongs& songs_;
  Midi& midi_;
  clsSPC& spc_;
  Muzieksoort Muzieksoort_ = Muzieksoort::Geen;
  bool Muziekpauze_ = false;
  ModuleSongs::Handle Song_ = 0;
};

}  // namespace dwaalbos
