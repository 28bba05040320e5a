// The game's own music, rendered through the game's own players and mixer as fast as the
// machine allows (SDL's disk driver without its delay), with the game's own sound effects laid
// on top as the mixer adds them.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "audio/sdl_sound.h"
#include "musicgen/tunes.h"

namespace dwaalbos::audiotest {
namespace {

namespace fs = std::filesystem;
using Stereo = std::vector<std::int16_t>;
constexpr int kRate = 44100;

struct Tune {
  const char* file;
  double seconds;  // where it starts over, or ends when it plays once
  bool loops;

  double renderSeconds() const { return seconds + (loops ? 5.0 : 45.0); }
};

void PrintTo(const Tune& tune, std::ostream* out) { *out << tune.file; }

fs::path gameFolder() {
  const char* folder = std::getenv("DWAALBOS_GAME_DIR");
  return folder ? folder : "game";
}

std::uintmax_t sizeOf(const fs::path& file) {
  std::error_code error;
  const auto size = fs::file_size(file, error);
  return error ? 0 : size;
}

// Where in the output file the first sample that is not silence lies, after `from`; 0 while
// there is none yet.
std::uintmax_t firstSoundAfter(const fs::path& output, std::uintmax_t from) {
  std::ifstream file(output, std::ios::binary);
  file.seekg(static_cast<std::streamoff>(from));
  std::int16_t sample = 0;
  for (std::uintmax_t at = from; file.read(reinterpret_cast<char*>(&sample), 2); at += 2)
    if (sample != 0) return at;
  return 0;
}

// From the first audible sample on, as the game's output carries it.
Stereo renderThroughTheGame(const std::string& tune, double seconds) {
  // A name of this run's own: two checkouts tested at once must not share the output file.
  const fs::path output = fs::temp_directory_path() /
                          ("dwaalbos-tune-" + std::to_string(getpid()) + "-" + tune + ".raw");
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
  setenv("SDL_DISKAUDIODELAY", "0", 1);
  {
    SdlSound sound(gameFolder().string(), {});
    sound.initgeluid();
    sound.Spc().Channels(1);
    sound.Spc().Bits(16);
    sound.Spc().Frequency(48000);
    sound.Spc().VolumeMultiplier(2);
    const auto from = sizeOf(output);
    sound.speelmuziek((gameFolder() / "muziek" / tune).string());
    // Until the music sounds the output races through silence; that is cut off below.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(5);
    std::uintmax_t sounding = 0;
    while (sounding == 0 && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      sounding = firstSoundAfter(output, from);
    }
    const auto wanted = sounding + static_cast<std::uintmax_t>(seconds * kRate) * 4;
    while (sizeOf(output) < wanted && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  Stereo audio(sizeOf(output) / 2);
  std::ifstream(output, std::ios::binary)
      .read(reinterpret_cast<char*>(audio.data()), static_cast<std::streamsize>(audio.size() * 2));
  fs::remove(output);
  const auto start = std::find_if(audio.begin(), audio.end(), [](auto s) { return s != 0; });
  return {audio.begin() + ((start - audio.begin()) & ~1L), audio.end()};
}

// Level of `seconds` of both channels from `from`, in dB below full scale.
double rmsDb(const Stereo& audio, double from, double seconds) {
  const auto first = std::min(audio.size(), static_cast<std::size_t>(from * kRate) * 2);
  const auto last = std::min(audio.size(), first + static_cast<std::size_t>(seconds * kRate) * 2);
  double sum = 0.0;
  for (auto i = first; i < last; ++i) sum += double(audio[i]) * audio[i];
  return 10.0 * std::log10(sum / std::max<double>(1.0, double(last - first)) / (32768.0 * 32768.0) +
                           1e-20);
}

// The deepest dip of the 10 ms level below the level of the half seconds on either side
// together, around `at`: a dropout shows as a dip of many dB.
double deepestDip(const Stereo& audio, double at) {
  const auto power = [](double db) { return std::pow(10.0, db / 10.0); };
  double deepest = 0.0;
  for (double t = at - 1.0; t < at + 1.0; t += 0.01) {
    const double around =
        10.0 * std::log10((power(rmsDb(audio, t - 0.5, 0.5)) + power(rmsDb(audio, t + 0.01, 0.5))) / 2);
    deepest = std::max(deepest, around - rmsDb(audio, t, 0.01));
  }
  return deepest;
}

// A sample of the game's, as mono 16-bit samples.
std::vector<std::int16_t> effect(const std::string& file) {
  SDL_AudioSpec format;
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV((gameFolder() / "geluid" / file).c_str(), &format, &buffer, &length) == nullptr)
    return {};
  std::vector<std::int16_t> samples(length / 2);
  SDL_memcpy(samples.data(), buffer, length);
  SDL_FreeWAV(buffer);
  return samples;
}

// The peak, in dBFS, of the music with `effects` added where the music is loudest (the worst
// case), one effect after another, as the mixer adds channels before its clamp.
double peakWithEffectsOnTop(const Stereo& music, const std::vector<std::string>& effects) {
  std::vector<double> mix(music.begin(), music.end());
  std::vector<std::pair<int, std::size_t>> loudest;
  const std::size_t stretch = 2 * kRate * 2;  // a place for each effect, two seconds apart
  for (std::size_t at = 0; at + stretch <= music.size(); at += stretch) {
    const auto top = std::max_element(music.begin() + long(at), music.begin() + long(at + stretch),
                                      [](auto a, auto b) { return std::abs(a) < std::abs(b); });
    loudest.emplace_back(std::abs(*top), (top - music.begin()) & ~std::size_t{1});
  }
  std::sort(loudest.rbegin(), loudest.rend());
  for (std::size_t i = 0; i < effects.size() && i < loudest.size(); ++i) {
    const auto samples = effect(effects[i]);
    // The effect's own peak lands on the music's.
    const auto top = std::max_element(samples.begin(), samples.end(),
                                      [](auto a, auto b) { return std::abs(a) < std::abs(b); });
    const std::size_t lead = static_cast<std::size_t>(top - samples.begin());
    const std::size_t start = loudest[i].second - std::min(loudest[i].second / 2, lead) * 2;
    for (std::size_t s = 0; s < samples.size() && start + 2 * s + 1 < mix.size(); ++s) {
      mix[start + 2 * s] += samples[s];
      mix[start + 2 * s + 1] += samples[s];
    }
  }
  double peak = 0.0;
  for (double s : mix) peak = std::max(peak, std::abs(s));
  return 20.0 * std::log10(peak / 32768.0);
}

class TuneThroughTheGame : public ::testing::TestWithParam<Tune> {};

TEST_P(TuneThroughTheGame, SoundsThroughoutWithoutAGapAtItsSeamAndLeavesRoomForEffects) {
  const Tune tune = GetParam();
  const Stereo audio = renderThroughTheGame(tune.file, tune.renderSeconds());
  const double length = double(audio.size()) / 2 / kRate;
  ASSERT_GT(length, tune.renderSeconds() - 1.0);

  // Quiet passages are fine; silence is not, until a piece that plays once has ended.
  const double end = tune.loops ? length : tune.seconds;
  for (double at = 0.0; at + 5.0 <= end; at += 5.0)
    EXPECT_GT(rmsDb(audio, at, 5.0), -45.0) << "silent from " << at << " s";
  const double level = rmsDb(audio, 0.0, end);
  EXPECT_GT(level, -30.0);
  EXPECT_LT(level, -16.0);
  if (tune.loops) {
    const double dip = deepestDip(audio, tune.seconds);
    EXPECT_LT(dip, 20.0) << "a dropout at the seam";
    std::printf("%s: level %.1f dBFS, the 10 ms level dips %.1f dB at the seam\n", tune.file, level,
                dip);
  } else {
    EXPECT_LT(rmsDb(audio, tune.seconds + 20.0, 20.0), -60.0) << "it ends and stays silent";
    std::printf("%s: level %.1f dBFS, lasts %.0f s\n", tune.file, level, tune.seconds);
  }

  std::vector<std::string> fanfares(12, "12.wav");
  std::vector<std::string> others;
  for (int i = 0; i < 20; ++i)
    others.push_back(std::vector<std::string>{"1.wav", "2.wav", "3.wav", "4.wav", "5.wav", "9.wav",
                                              "10.wav", "11.wav"}[i % 8]);
  const double withFanfares = peakWithEffectsOnTop(audio, fanfares);
  const double withOthers = peakWithEffectsOnTop(audio, others);
  std::printf("%s: peak %.1f dBFS alone, %.1f dBFS with fanfares, %.1f dBFS with other effects on top\n", tune.file,
              peakWithEffectsOnTop(audio, {}), withFanfares, withOthers);
  EXPECT_LT(withFanfares, -3.0);
  EXPECT_LT(withOthers, -1.0);
}

INSTANTIATE_TEST_SUITE_P(
    GameMusic, TuneThroughTheGame,
    ::testing::Values(Tune{"Bospad.xm", music::bospad().seconds(), true},
                      Tune{"Mos.spc", music::mos().seconds(), true},
                      Tune{"Dauw.mid", music::dauw().seconds(), false}),
    [](const auto& info) { return fs::path(info.param.file).stem().string(); });

}  // namespace
}  // namespace dwaalbos::audiotest
