#include "audio/sound_effects.h"

#include <SDL2/SDL_mixer.h>

#include <cmath>
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
  applyVolume();
  for (int slot : kSampleSlots)
    if (Geluiden[slot].empty()) load(slot);
}

void SoundEffects::load(int slot) {
  const std::string stem = folder_ + "/" + std::to_string(slot);
  for (int variant = 1;; ++variant) {
    const std::string path = stem + (variant == 1 ? "" : "_" + std::to_string(variant)) + ".wav";
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (chunk == nullptr) return;
    Geluiden[slot].push_back(chunk);
  }
}

void SoundEffects::speelgeluid(int n) {
  if (n < 0 || n >= kSlots || Geluiden[n].empty() || !device_.isOpen()) return;
  const std::vector<Mix_Chunk*>& variants = Geluiden[n];
  Mix_PlayChannel(-1, variants[choice_[n].next(variants.size())], 0);
}

void SoundEffects::volume(double level) {
  level_ = level;
  applyVolume();
}

// Every channel plays at this level, the ones sounding now included.
void SoundEffects::applyVolume() {
  if (device_.isOpen()) Mix_Volume(-1, static_cast<int>(std::lround(level_ * MIX_MAX_VOLUME)));
}

void SoundEffects::sluitgeluid() {
  freeSamples();
  device_.close();
}

void SoundEffects::freeSamples() {
  if (device_.isOpen()) Mix_HaltChannel(-1);
  for (std::vector<Mix_Chunk*>& variants : Geluiden) {
    for (Mix_Chunk* chunk : variants) Mix_FreeChunk(chunk);
    variants.clear();
  }
}

}  // namespace dwaalbos
