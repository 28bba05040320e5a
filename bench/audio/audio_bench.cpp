// Sound timing: how soon a requested sample reaches the output, how long loading all samples
// at start-up takes, how long the window waits when a piece of music starts, and what a game
// waiting in silence costs.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <SDL2/SDL_mixer.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "audio/sdl_sound.h"
#include "music_files.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kSlots[] = {1, 2, 3, 4, 5, 9, 10, 11, 12};
// Lengths close to the game's own samples: steps and clicks short, the fanfare a second.
constexpr double kSeconds[] = {0.6, 0.4, 0.7, 0.2, 0.15, 0.1, 0.5, 0.8, 1.2};

struct GameFolder {
  GameFolder() {
    std::string pattern = (fs::temp_directory_path() / "dwaalbos-bench-XXXXXX").string();
    path = mkdtemp(pattern.data());
    fs::create_directories(path + "/geluid");
    for (std::size_t i = 0; i < std::size(kSlots); ++i)
      dwaalbos::audiotest::writeLevel(path + "/geluid/" + std::to_string(kSlots[i]) + ".wav",
                                      kSeconds[i], 0.5);
  }
  ~GameFolder() { fs::remove_all(path); }
  std::string path;
};

// The game's sound on SDL's disk driver, writing what it plays to `output` in a fresh folder.
struct DiskOutputSound {
  DiskOutputSound() { sound.initgeluid(); }
  static std::string chooseDiskDriver(const std::string& output) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    return output;
  }
  GameFolder folder;
  std::string output = chooseDiskDriver(folder.path + "/output.raw");
  dwaalbos::SdlSound sound{folder.path, {}};
};

// Reads the disk driver's file as it grows and returns when a sample past `from` is loud.
bool waitForSound(const std::string& file, std::uintmax_t from, Clock::time_point deadline) {
  std::ifstream in(file, std::ios::binary);
  in.seekg(static_cast<std::streamoff>(from));
  std::int16_t sample = 0;
  while (Clock::now() < deadline) {
    if (!in.read(reinterpret_cast<char*>(&sample), sizeof sample)) {
      in.clear();
      std::this_thread::sleep_for(100us);
      continue;
    }
    if (sample > 16 || sample < -16) return true;
  }
  return false;
}

// From speelgeluid to the first loud sample in the output file. The disk driver writes one
// mixer buffer per period through a stdio buffer that holds back two more, so this is the
// wait for the next mix plus that file buffer.
void BM_SampleLatencyDiskOutput(benchmark::State& state) {
  DiskOutputSound disk;
  const std::string& output = disk.output;
  dwaalbos::SdlSound& sound = disk.sound;
  double worst = 0;
  for (auto _ : state) {
    std::this_thread::sleep_for(150ms);  // the click before has ended
    const auto from = fs::file_size(output) & ~std::uintmax_t{1};
    const auto start = Clock::now();
    sound.speelgeluid(9);
    if (!waitForSound(output, from, start + 1s)) {
      state.SkipWithError("the sample never sounded");
      break;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    worst = std::max(worst, seconds);
    state.SetIterationTime(seconds);
  }
  state.counters["worst_ms"] = worst * 1000;
}
BENCHMARK(BM_SampleLatencyDiskOutput)
    ->Iterations(40)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The first loud sample as the mixer hands it to the output device: the time of that mix plus
// the sample's place in its buffer. This is the delay the game adds before a device plays it.
std::atomic<Clock::rep> mixedAt{0};

void SDLCALL findLoudSample(void*, Uint8* stream, int len) {
  if (mixedAt.load() != 0) return;
  const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
  for (int i = 0; i < len / 4; ++i) {
    if (samples[2 * i] > 16 || samples[2 * i] < -16) {
      const auto place = std::chrono::duration_cast<Clock::duration>(
          std::chrono::duration<double>(double(i) / 44100));
      mixedAt = (Clock::now() + place).time_since_epoch().count();
      return;
    }
  }
}

void BM_SampleLatencyMixed(benchmark::State& state) {
  DiskOutputSound disk;
  dwaalbos::SdlSound& sound = disk.sound;
  double worst = 0;
  for (auto _ : state) {
    std::this_thread::sleep_for(150ms);
    mixedAt = 0;
    Mix_SetPostMix(findLoudSample, nullptr);
    const auto start = Clock::now();
    sound.speelgeluid(9);
    while (mixedAt.load() == 0 && Clock::now() < start + 1s) std::this_thread::sleep_for(100us);
    Mix_SetPostMix(nullptr, nullptr);
    if (mixedAt.load() == 0) {
      state.SkipWithError("the sample never sounded");
      break;
    }
    const double seconds =
        std::chrono::duration<double>(Clock::duration(mixedAt.load()) - start.time_since_epoch())
            .count();
    worst = std::max(worst, seconds);
    state.SetIterationTime(seconds);
  }
  state.counters["worst_ms"] = worst * 1000;
}
BENCHMARK(BM_SampleLatencyMixed)->Iterations(40)->UseManualTime()->Unit(benchmark::kMillisecond);

double processSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// A step, then a minute in which nothing sounds, as while a level waits for a key: the share of
// a core the sound costs meanwhile ("idle_percent", the target under 0.1), and how soon the
// next step sounds after that silence, from the call the key makes: to the first loud sample
// the mixer hands the device ("first_mixed_ms", the target under 30), and to the first one in
// the output file, which the output starts anew when it wakes ("first_in_file_ms", with the
// disk driver's own buffering as in BM_SampleLatencyDiskOutput).
void BM_IdleOutput(benchmark::State& state) {
  DiskOutputSound disk;
  const std::string& output = disk.output;
  dwaalbos::SdlSound& sound = disk.sound;
  for (auto _ : state) {
    sound.speelgeluid(5);
    std::this_thread::sleep_for(2s);  // the step ends and the output comes to rest
    const double before = processSeconds();
    std::this_thread::sleep_for(60s);
    state.counters["idle_percent"] = 100.0 * (processSeconds() - before) / 60.0;
    state.counters["rested"] = sound.resting() ? 1 : 0;
    mixedAt = 0;
    Mix_SetPostMix(findLoudSample, nullptr);
    const auto start = Clock::now();
    sound.speelgeluid(5);
    const bool sounded = waitForSound(output, 0, start + 1s);
    Mix_SetPostMix(nullptr, nullptr);
    if (!sounded || mixedAt.load() == 0) {
      state.SkipWithError("the step never sounded");
      break;
    }
    state.counters["first_in_file_ms"] =
        std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    state.counters["first_mixed_ms"] =
        std::chrono::duration<double, std::milli>(Clock::duration(mixedAt.load()) -
                                                  start.time_since_epoch())
            .count();
  }
}
BENCHMARK(BM_IdleOutput)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// initgeluid: open the output and load the nine samples.
void BM_LoadAllSamples(benchmark::State& state) {
  GameFolder folder;
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  for (auto _ : state) {
    dwaalbos::SdlSound sound(folder.path, {});
    sound.initgeluid();
    state.PauseTiming();
    sound.sluitgeluid();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LoadAllSamples)->Unit(benchmark::kMillisecond);

// "Speel" for each of the game's tunes: everything the window thread does to start it, the
// stop of the piece before included. The synthesiser has had its second after start-up to load
// its soundfont in the background, as it has in the game before anyone can press the button.
void BM_StartMusic(benchmark::State& state, const char* tune) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const std::string game = DWAALBOS_GAME_DIR;
  dwaalbos::SdlSound sound(game, {});
  sound.initgeluid();
  sound.Spc().Channels(1);
  sound.Spc().Bits(16);
  sound.Spc().Frequency(48000);
  sound.Spc().VolumeMultiplier(2);
  std::this_thread::sleep_for(1s);
  double worst = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    sound.speelmuziek(game + "/muziek/" + tune);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    worst = std::max(worst, seconds);
    state.SetIterationTime(seconds);
    std::this_thread::sleep_for(100ms);  // it plays a moment, as a player would hear it
  }
  state.counters["worst_ms"] = worst * 1000;
}
BENCHMARK_CAPTURE(BM_StartMusic, module, "Bospad.xm")
    ->Iterations(30)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartMusic, midi, "Dauw.mid")
    ->Iterations(30)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartMusic, spc, "Mos.spc")
    ->Iterations(30)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
