#include "audio/sound_effects.h"

#include <SDL2/SDL_mixer.h>

#include <utility>

namespace dwaalbos {

namespace {

constexpr int kMixingRate = 44100;
constexpr int kMixChannels = 50;
// Slots 0, 6, 7, 8 and 13 have no sample.
constexpr std::array kSampleSlots{1, 2, 3, 4, 5, 9, 10, 11, 12};

}  // namespace

SoundEffects::SoundEffects(MixerDevice& device, std::string soundFolder)
    : device_(device), folder_(std::move(soundFolder)) {}

SoundEffects::~SoundEffects() { freeSamples(); }

void SoundEffects::initgeluid() {
  if (!device_.open(kMixingRate, kMixChannels)) return;
  for (int slot : kSampleSlots) {
    if (Geluiden[slot] != nullptr) continue;
    const std::string path = folder_ + "/" + std::to_string(slot) + ".wav";
    Geluiden[slot] = Mix_LoadWAV(path.c_str());
  }
}

void SoundEffects::speelgeluid(int n) {
  if (n < 0 || n >= kSlots || Geluiden[n] == nullptr || !device_.isOpen()) return;
  Mix_PlayChannel(-1, Geluiden[n], 0);
}

void SoundEffects::sluitgeluid() {
  freeSamples();
  device_.close();
}

void SoundEffects::freeSamples() {
  if (device_.isOpen()) Mix_HaltChannel(-1);
  for (Mix_Chunk*& chunk : Geluiden) {
    Mix_FreeChunk(chunk);
    chunk = nullptr;
  }
}

}  // namespace dwaalbos
