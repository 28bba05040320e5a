#include "audio/fade.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace dwaalbos {

namespace {
constexpr double kFadeSeconds = 0.02;
}

void Fade::fadeIn(int frequency) {
  glide_ = 1.0 / (kFadeSeconds * std::max(frequency, 1));
  step_ = glide_;
}

void Fade::fadeOut(int frequency) {
  glide_ = 1.0 / (kFadeSeconds * std::max(frequency, 1));
  step_ = -glide_;
}

void Fade::apply(std::int16_t* samples, int frames, int channels, double level) {
  // Music that starts from silence starts at the level; only a change while it sounds glides.
  if (gain_ == 0.0) level_ = level;
  for (int frame = 0; frame < frames; ++frame) {
    gain_ = std::clamp(gain_ + step_, 0.0, 1.0);
    level_ = std::clamp(level, level_ - glide_, level_ + glide_);
    if (gain_ == 1.0 && step_ > 0.0 && level_ >= 1.0) return;  // the rest plays unchanged
    if (gain_ == 0.0) step_ = 0.0;
    for (int channel = 0; channel < channels; ++channel) {
      std::int16_t& sample = samples[frame * channels + channel];
      sample = static_cast<std::int16_t>(std::lround(sample * gain_ * level_));
    }
  }
}

namespace {

void fadeOutAndWait(std::mutex& mutex, Fade& fade, int frequency,
                    const std::function<bool()>& audible) {
  {
    std::lock_guard lock(mutex);
    if (!audible()) fade.silence();
    fade.fadeOut(frequency);
    if (fade.silent()) return;
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(100);
  while (std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::lock_guard lock(mutex);
    if (fade.silent()) return;
  }
}

}  // namespace

void fadeOutAndUnhook(MixerDevice& device, std::mutex& mutex, Fade& fade,
                      const std::function<bool()>& audible) {
  fadeOutAndWait(mutex, fade, device.format().frequency, audible);
  device.hookMusic(nullptr, nullptr);
}

}  // namespace dwaalbos
