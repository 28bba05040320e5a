#include "audio/sound_effects.h"

#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace dwaalbos {

namespace {

constexpr int kMixingRate = 44100;
// As long as the music's fades: a change of level this quick is heard as a change, not a tick.
constexpr double kGlideSeconds = 0.02;
// Slots 0, 6, 7, 8 and 13 have no sample.
constexpr std::array kSampleSlots{1, 2, 3, 4, 5, 9, 10, 11, 12};

}  // namespace

SoundEffects::SoundEffects(MixerDevice& device, std::string soundFolder)
    : device_(device), folder_(std::move(soundFolder)) {}

SoundEffects::~SoundEffects() { freeSamples(); }

void SoundEffects::initgeluid() {
  if (!device_.open(kMixingRate, kMixChannels)) return;
  glide_ = 1.0 / (kGlideSeconds * device_.format().frequency);
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
  // The mixer's thread waits until the channel has its level.
  const MixerDevice::Awake awake = device_.wake();
  if (!awake.running()) return;
  const int channel = Mix_PlayChannel(-1, variants[choice_[n].next(variants.size())], 0);
  if (channel < 0 || channel >= kMixChannels) return;
  channelLevels_[static_cast<std::size_t>(channel)] = level_;
  Mix_RegisterEffect(channel, &SoundEffects::applyLevel, nullptr, this);
}

void SoundEffects::volume(double level) { level_ = level; }

// The channel's samples, 16-bit stereo (mixer_device.cpp), before the mixer adds them up.
void SDLCALL SoundEffects::applyLevel(int channel, void* stream, int len, void* effects) {
  auto& self = *static_cast<SoundEffects*>(effects);
  double& level = self.channelLevels_[static_cast<std::size_t>(channel)];
  const double target = self.level_;
  auto* samples = static_cast<std::int16_t*>(stream);
  for (int frame = 0; frame < len / 4; ++frame) {
    level = std::clamp(target, level - self.glide_, level + self.glide_);
    for (int side = 0; side < 2; ++side) {
      std::int16_t& sample = samples[2 * frame + side];
      sample = static_cast<std::int16_t>(std::lround(sample * level));
    }
  }
}

void SoundEffects::sluitgeluid() {
  freeSamples();
  device_.close();
}

void SoundEffects::freeSamples() {
  if (device_.isOpen()) {
    const MixerDevice::Awake held = device_.hold();
    if (held.running()) Mix_HaltChannel(-1);
  }
  for (std::vector<Mix_Chunk*>& variants : Geluiden) {
    for (Mix_Chunk* chunk : variants) Mix_FreeChunk(chunk);
    variants.clear();
  }
}

}  // namespace dwaalbos
