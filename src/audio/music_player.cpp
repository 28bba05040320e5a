#include "audio/music_player.h"

#include <algorithm>
#include <cctype>

namespace dwaalbos {

namespace {

// The last three characters in lower case: "MID" is MIDI, while ".midi" ends in "idi".
std::string extensie(const std::string& bestand) {
  std::string tail = bestand.substr(bestand.size() - std::min<std::size_t>(3, bestand.size()));
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail;
}

}  // namespace

void MusicPlayer::speelmuziek(const std::string& bestand) {
  stopmuziek();
  const std::string soort = extensie(bestand);
  if (soort == "mid") {
    midi_.midispeel(bestand);
    Muzieksoort_ = Muzieksoort::Midi;
  } else if (soort == "spc") {
    spc_.filename(bestand);
    spc_.PlaySPC();
    Muzieksoort_ = Muzieksoort::Spc;
  } else {
    Song_ = songs_.speelsong(bestand);
    Muzieksoort_ = Muzieksoort::Song;
  }
}

void MusicPlayer::pauzeermuziek() {
  switch (Muzieksoort_) {
    case Muzieksoort::Midi: midi_.midipauze(); break;
    case Muzieksoort::Spc: spc_.Pause(); break;
    case Muzieksoort::Song: songs_.pauzeersong(Song_); break;
    case Muzieksoort::Geen: break;
  }
  Muziekpauze_ = true;
}

void MusicPlayer::hervatmuziek() {
  switch (Muzieksoort_) {
    case Muzieksoort::Midi: midi_.midiverder(); break;
    case Muzieksoort::Spc: spc_.verder(); break;
    case Muzieksoort::Song: songs_.pauzeersong(Song_); break;
    case Muzieksoort::Geen: break;
  }
  Muziekpauze_ = false;
}

void MusicPlayer::stopmuziek() {
  switch (Muzieksoort_) {
    case Muzieksoort::Midi: midi_.midisluit(); break;
    case Muzieksoort::Spc: spc_.StopSPC(); break;
    case Muzieksoort::Song: songs_.stopsong(Song_); break;
    case Muzieksoort::Geen: break;
  }
  Muzieksoort_ = Muzieksoort::Geen;
}

}  // namespace dwaalbos
