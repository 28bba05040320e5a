#pragma once

#include <string>

namespace dwaalbos {

// What the windows need of the sound: effects by slot number and the background music.
// Every operation returns at once and never reports a failure: a sound that cannot play is
// simply not heard.
class Sound {
 public:
  virtual ~Sound() = default;

  virtual void speelgeluid(int slot) = 0;  // slots 0..13; empty slots are silent
  virtual void sluitgeluid() = 0;          // silence everything and release the device

  virtual void speelmuziek(const std::string& path) = 0;  // the player is chosen by extension
  virtual void pauzeermuziek() = 0;
  virtual void hervatmuziek() = 0;
  virtual void stopmuziek() = 0;
  virtual bool muziekpauze() const = 0;  // `Muziekpauze`

  // The player's levels in percent (0 mutes, 100 as mixed), for what plays now and later.
  virtual void geluidssterkte(int muziek, int geluid) = 0;
};

}  // namespace dwaalbos
