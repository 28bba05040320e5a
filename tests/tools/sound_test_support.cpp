#include "sound_test_support.h"

#include <gme/gme.h>
#include <libopenmpt/libopenmpt.h>

#include <algorithm>
#include <cmath>

namespace soundtest {

Stereo renderModule(const std::vector<std::uint8_t>& file, double seconds) {
  openmpt_module* module =
      openmpt_module_create_from_memory2(file.data(), file.size(), openmpt_log_func_silent, nullptr,
                                         nullptr, nullptr, nullptr, nullptr, nullptr);
  if (!module) return {};
  openmpt_module_set_repeat_count(module, -1);  // as the game plays it
  Stereo out(static_cast<std::size_t>(seconds * kRate) * 2);
  out.resize(2 * openmpt_module_read_interleaved_stereo(module, kRate, out.size() / 2, out.data()));
  openmpt_module_destroy(module);
  return out;
}

Stereo renderSpc(const std::vector<std::uint8_t>& file, double seconds) {
  Music_Emu* emu = nullptr;
  if (gme_open_data(file.data(), static_cast<long>(file.size()), &emu, kRate) != nullptr) return {};
  Stereo out(static_cast<std::size_t>(seconds * kRate) * 2);
  const bool played = gme_start_track(emu, 0) == nullptr &&
                      gme_play(emu, static_cast<int>(out.size()), out.data()) == nullptr;
  gme_delete(emu);
  return played ? out : Stereo{};
}

double pitchHz(const Stereo& audio, double fromSeconds, double lengthSeconds) {
  const auto first = static_cast<std::size_t>(fromSeconds * kRate);
  const auto count = static_cast<std::size_t>(lengthSeconds * kRate);
  std::vector<double> x(count);
  for (std::size_t i = 0; i < count && 2 * (first + i) < audio.size(); ++i)
    x[i] = audio[2 * (first + i)];
  const auto correlation = [&x](std::size_t lag) {
    double sum = 0.0, a = 0.0, b = 0.0;
    for (std::size_t i = 0; i + lag < x.size(); ++i) {
      sum += x[i] * x[i + lag];
      a += x[i] * x[i];
      b += x[i + lag] * x[i + lag];
    }
    return sum / std::sqrt(a * b + 1e-20);
  };
  // The first lag that correlates almost as well as the best one is the period; later good
  // lags are its multiples.
  const std::size_t lowest = kRate / 2000, highest = kRate / 40;
  std::vector<double> r(highest + 2);
  double best = 0.0;
  for (std::size_t lag = lowest; lag <= highest + 1; ++lag)
    best = std::max(best, r[lag] = correlation(lag));
  for (std::size_t lag = lowest + 1; lag <= highest; ++lag) {
    if (r[lag] >= 0.95 * best && r[lag] >= r[lag - 1] && r[lag] >= r[lag + 1]) {
      const double shift = 0.5 * (r[lag - 1] - r[lag + 1]) / (r[lag - 1] - 2 * r[lag] + r[lag + 1]);
      return kRate / (static_cast<double>(lag) + shift);
    }
  }
  return 0.0;
}

}  // namespace soundtest
