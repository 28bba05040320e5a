#include "sound_test_support.h"

#include <fluidsynth.h>
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

Stereo renderMidi(const std::filesystem::path& path, double seconds) {
  fluid_settings_t* settings = new_fluid_settings();
  fluid_settings_setnum(settings, "synth.sample-rate", kRate);
  fluid_settings_setnum(settings, "synth.gain", 1.0);
  fluid_settings_setstr(settings, "player.timing-source", "sample");
  fluid_synth_t* synth = new_fluid_synth(settings);
  fluid_synth_sfload(synth, "/usr/share/sounds/sf2/TimGM6mb.sf2", 1);
  fluid_player_t* player = new_fluid_player(synth);
  Stereo out;
  if (fluid_player_add(player, path.c_str()) == FLUID_OK && fluid_player_play(player) == FLUID_OK) {
    constexpr int kBlock = 1024;
    const auto limit = static_cast<std::size_t>(seconds * kRate) * 2;
    while (out.size() < limit && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING) {
      out.resize(out.size() + 2 * kBlock);
      std::int16_t* block = out.data() + out.size() - 2 * kBlock;
      fluid_synth_write_s16(synth, kBlock, block, 0, 2, block, 1, 2);
    }
  }
  fluid_player_stop(player);
  fluid_player_join(player);
  delete_fluid_player(player);
  delete_fluid_synth(synth);
  delete_fluid_settings(settings);
  return out;
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
