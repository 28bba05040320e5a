#include "rendering.h"

#include <SDL2/SDL.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "audio/sdl_sound.h"
#include "synth/envelopes.h"
#include "synth/filters.h"

namespace dwaalbos::musiccheck {

namespace {

namespace fs = std::filesystem;

// How long the output may stand still before a piece counts as stopped.
constexpr auto kStalled = std::chrono::seconds(30);

std::uintmax_t sizeOf(const fs::path& file) {
  std::error_code error;
  const auto size = fs::file_size(file, error);
  return error ? 0 : size;
}

// Where in the output file the first sample that is not silence lies; 0 while there is none.
std::uintmax_t firstSound(const fs::path& output) {
  std::ifstream file(output, std::ios::binary);
  std::int16_t sample = 0;
  for (std::uintmax_t at = 0; file.read(reinterpret_cast<char*>(&sample), 2); at += 2)
    if (sample != 0) return at;
  return 0;
}

// Plays the piece with the settings the game starts with until the output holds `seconds` of
// it after its first sound.
void play(const fs::path& gameFolder, const std::string& tune, const fs::path& output,
          double seconds) {
  SdlSound sound(gameFolder.string(), {});
  sound.initgeluid();
  sound.Spc().Channels(1);
  sound.Spc().Bits(16);
  sound.Spc().Frequency(48000);
  sound.Spc().VolumeMultiplier(2);
  // The output rests until the music starts, and starts its file anew then.
  sound.speelmuziek((gameFolder / "muziek" / tune).string());
  // Until the music sounds the output races through silence; that is cut off afterwards.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(5);
  std::uintmax_t sounding = 0;
  while (sounding == 0 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    sounding = firstSound(output);
  }
  // A busy machine renders a long piece more slowly than it plays: wait while the output grows.
  // A piece that has ended lets the output rest.
  const auto wanted = sounding + static_cast<std::uintmax_t>(seconds * kRate) * 4;
  std::uintmax_t written = sizeOf(output);
  auto grew = std::chrono::steady_clock::now();
  while (written < wanted && !sound.resting() &&
         std::chrono::steady_clock::now() - grew < kStalled) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (const auto now = sizeOf(output); now != written) {
      written = now;
      grew = std::chrono::steady_clock::now();
    }
  }
}

// A sample of the game's, as mono 16-bit samples.
std::vector<std::int16_t> effect(const fs::path& gameFolder, const std::string& file) {
  SDL_AudioSpec format;
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV((gameFolder / "geluid" / file).c_str(), &format, &buffer, &length) == nullptr)
    return {};
  std::vector<std::int16_t> samples(length / 2);
  SDL_memcpy(samples.data(), buffer, length);
  SDL_FreeWAV(buffer);
  return samples;
}

template <typename Samples>
auto loudestSample(const Samples& samples, std::size_t from, std::size_t to) {
  return std::max_element(samples.begin() + long(from), samples.begin() + long(to),
                          [](auto a, auto b) { return std::abs(a) < std::abs(b); });
}

}  // namespace

Stereo renderThroughTheGame(const fs::path& gameFolder, const std::string& tune, double seconds) {
  // A name of this run's own: two checkouts built at once must not share the output file.
  const fs::path output = fs::temp_directory_path() /
                          ("dwaalbos-tune-" + std::to_string(getpid()) + "-" + tune + ".raw");
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
  setenv("SDL_DISKAUDIODELAY", "0", 1);
  play(gameFolder, tune, output, seconds);
  Stereo audio(sizeOf(output) / 2);
  std::ifstream(output, std::ios::binary)
      .read(reinterpret_cast<char*>(audio.data()), static_cast<std::streamsize>(audio.size() * 2));
  fs::remove(output);
  const auto start = std::find_if(audio.begin(), audio.end(), [](auto s) { return s != 0; });
  return {audio.begin() + ((start - audio.begin()) & ~1L), audio.end()};
}

double rmsDb(const Stereo& audio, double from, double seconds) {
  const auto first = std::min(audio.size(), static_cast<std::size_t>(from * kRate) * 2);
  const auto last = std::min(audio.size(), first + static_cast<std::size_t>(seconds * kRate) * 2);
  double sum = 0.0;
  for (auto i = first; i < last; ++i) sum += double(audio[i]) * audio[i];
  return 10.0 * std::log10(sum / std::max<double>(1.0, double(last - first)) / (32768.0 * 32768.0) +
                           1e-20);
}

double deepestDip(const Stereo& audio, double at) {
  const auto power = [](double db) { return std::pow(10.0, db / 10.0); };
  double deepest = 0.0;
  for (double t = at - 1.0; t < at + 1.0; t += 0.01) {
    const double around =
        10.0 *
        std::log10((power(rmsDb(audio, t - 0.5, 0.5)) + power(rmsDb(audio, t + 0.01, 0.5))) / 2);
    deepest = std::max(deepest, around - rmsDb(audio, t, 0.01));
  }
  return deepest;
}

namespace {

std::vector<double> windowLevels(const synth::Signal& signal) {
  const auto band = [](synth::Signal s, auto filter, double at) {
    return filter(filter(s, synth::constant(at), 0.7071), synth::constant(at), 0.7071);
  };
  const synth::Signal presence =
      band(band(signal, synth::highpass, 1000.0), synth::lowpass, 4000.0);
  const auto window = static_cast<std::size_t>(0.14 * kRate);
  std::vector<double> levels;
  for (std::size_t at = 0; at + window <= presence.size(); at += window) {
    double sum = 0.0;
    for (std::size_t i = at; i < at + window; ++i) sum += presence[i] * presence[i];
    levels.push_back(10.0 * std::log10(sum / double(window) + 1e-20));
  }
  return levels;
}

}  // namespace

std::vector<double> presenceLevels(const Stereo& music) {
  synth::Signal mono(music.size() / 2);
  for (std::size_t i = 0; i < mono.size(); ++i)
    mono[i] = (music[2 * i] + music[2 * i + 1]) / 2.0 / 32768.0;
  return windowLevels(mono);
}

std::vector<double> presenceLevels(const fs::path& gameFolder, const std::string& file) {
  const auto samples = effect(gameFolder, file);
  synth::Signal sound(samples.begin(), samples.end());
  for (double& s : sound) s /= 32768.0;
  return windowLevels(sound);
}

synth::ProgrammeLoudness loudnessOf(const Stereo& audio, double from, double seconds) {
  const auto first = std::min(audio.size(), static_cast<std::size_t>(from * kRate) * 2);
  const auto last = std::min(audio.size(), first + static_cast<std::size_t>(seconds * kRate) * 2);
  std::vector<double> scaled(audio.begin() + long(first), audio.begin() + long(last));
  for (double& s : scaled) s /= 32768.0;
  return synth::programmeLoudness(scaled, 2);
}

namespace {

// A stack's sounds added up, as mono samples.
std::vector<double> stackSamples(const fs::path& gameFolder, const Stack& stack) {
  std::vector<double> sum;
  for (const std::string& file : stack) {
    const auto samples = effect(gameFolder, file);
    if (sum.size() < samples.size()) sum.resize(samples.size(), 0.0);
    for (std::size_t i = 0; i < samples.size(); ++i) sum[i] += samples[i];
  }
  return sum;
}

}  // namespace

double truePeakWithEffectsOnTop(const fs::path& gameFolder, const Stereo& music,
                                const std::vector<Stack>& stacks) {
  std::vector<double> mix(music.begin(), music.end());
  std::vector<std::pair<int, std::size_t>> loudest;
  const std::size_t stretch = 2 * kRate * 2;  // a place for each stack, two seconds apart
  for (std::size_t at = 0; at + stretch <= music.size(); at += stretch) {
    const auto top = loudestSample(music, at, at + stretch);
    loudest.emplace_back(std::abs(*top), (top - music.begin()) & ~std::size_t{1});
  }
  std::sort(loudest.rbegin(), loudest.rend());
  for (std::size_t i = 0; i < stacks.size() && i < loudest.size(); ++i) {
    const auto samples = stackSamples(gameFolder, stacks[i]);
    // The stack's own peak lands on the music's.
    const auto lead =
        static_cast<std::size_t>(loudestSample(samples, 0, samples.size()) - samples.begin());
    const std::size_t start = loudest[i].second - std::min(loudest[i].second / 2, lead) * 2;
    for (std::size_t s = 0; s < samples.size() && start + 2 * s + 1 < mix.size(); ++s) {
      mix[start + 2 * s] += samples[s];
      mix[start + 2 * s + 1] += samples[s];
    }
  }
  for (double& s : mix) s /= 32768.0;
  return synth::programmeLoudness(mix, 2).truePeak;
}

double effectLoudness(const fs::path& gameFolder, const std::string& file) {
  const auto samples = effect(gameFolder, file);
  synth::Signal sound(samples.begin(), samples.end());
  for (double& s : sound) s /= 32768.0;
  return synth::loudestLoudness(sound, 0.4);
}

std::vector<double> momentaryLoudness(const Stereo& audio, double from, double seconds) {
  const auto first = std::min(audio.size(), static_cast<std::size_t>(from * kRate) * 2);
  const auto last = std::min(audio.size(), first + static_cast<std::size_t>(seconds * kRate) * 2);
  std::vector<double> scaled(audio.begin() + long(first), audio.begin() + long(last));
  for (double& s : scaled) s /= 32768.0;
  return synth::momentaryLoudness(scaled, 2);
}

}  // namespace dwaalbos::musiccheck
