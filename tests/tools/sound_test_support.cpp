#include "sound_test_support.h"

#include <fluidsynth.h>
#include <gme/gme.h>
#include <libmodplug/modplug.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace soundtest {

std::vector<std::uint8_t> readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::filesystem::path gameFile(const std::string& relative) {
  const char* folder = std::getenv("DWAALBOS_GAME_DIR");
  return std::filesystem::path(folder ? folder : "game") / relative;
}

Stereo renderModule(const std::vector<std::uint8_t>& file, double seconds) {
  ModPlug_Settings settings;
  ModPlug_GetSettings(&settings);
  settings.mFlags = MODPLUG_ENABLE_OVERSAMPLING;
  settings.mChannels = 2;
  settings.mBits = 16;
  settings.mFrequency = kRate;
  settings.mResamplingMode = MODPLUG_RESAMPLE_FIR;
  settings.mReverbDepth = 0;
  settings.mBassAmount = 0;
  settings.mSurroundDepth = 0;
  settings.mLoopCount = 0;
  ModPlug_SetSettings(&settings);
  ModPlugFile* module = ModPlug_Load(file.data(), static_cast<int>(file.size()));
  if (!module) return {};
  ModPlug_SetMasterVolume(module, 256);  // what SDL_mixer uses at full volume
  Stereo out(static_cast<std::size_t>(seconds * kRate) * 2);
  std::size_t done = 0;
  bool restarted = false;
  while (done < out.size()) {
    // Small reads, as an audio callback makes them: one large read pads the song's end with
    // silence instead of reporting it.
    const std::size_t chunk = std::min<std::size_t>(out.size() - done, 4096);
    const int bytes = ModPlug_Read(module, out.data() + done, static_cast<int>(chunk * 2));
    if (bytes > 0) {
      done += static_cast<std::size_t>(bytes) / 2;
      restarted = false;
    } else if (!restarted) {
      // At the end SDL_mixer starts a looping song over from its beginning, and so do we.
      ModPlug_Seek(module, 0);
      restarted = true;
    } else {
      break;
    }
  }
  ModPlug_Unload(module);
  out.resize(done);
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

double seconds(const Stereo& audio) { return static_cast<double>(audio.size()) / 2 / kRate; }

double rmsDb(const Stereo& audio, double fromSeconds, double lengthSeconds) {
  const auto first = std::min(audio.size(), static_cast<std::size_t>(fromSeconds * kRate) * 2);
  const auto last =
      std::min(audio.size(), first + static_cast<std::size_t>(lengthSeconds * kRate) * 2);
  double sum = 0.0;
  for (std::size_t i = first; i < last; ++i) sum += static_cast<double>(audio[i]) * audio[i];
  const double mean = last > first ? sum / static_cast<double>(last - first) : 0.0;
  return 10.0 * std::log10(mean / (32768.0 * 32768.0) + 1e-20);
}

double peakDb(const Stereo& audio) {
  int highest = 0;
  for (std::int16_t sample : audio) highest = std::max(highest, std::abs(static_cast<int>(sample)));
  return 20.0 * std::log10(highest / 32768.0 + 1e-20);
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
