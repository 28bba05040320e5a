#include "audio_fixture.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace dwaalbos::audiotest {

namespace fs = std::filesystem;

namespace {

std::uintmax_t fileSize(const std::string& path) {
  std::error_code error;
  const auto size = fs::file_size(path, error);
  return error ? 0 : size;
}

}  // namespace

int largestStep(const std::vector<std::int16_t>& samples) {
  int step = 0;
  for (std::size_t i = 2; i < samples.size(); ++i)
    step = std::max(step, std::abs(samples[i] - samples[i - 2]));
  return step;
}

int loudest(const std::vector<std::int16_t>& samples) {
  int peak = 0;
  for (std::int16_t sample : samples) peak = std::max(peak, std::abs(int{sample}));
  return peak;
}

AudioTest::AudioTest() : outputFile(folder + "/output.raw") {
  fs::create_directories(folder + "/geluid");
  fs::create_directories(folder + "/muziek");
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", outputFile.c_str(), 1);
}

void AudioTest::spcSettings(SdlSound& sound, long channels, long bits, long frequency,
                            long volume) {
  sound.Spc().Channels(channels);
  sound.Spc().Bits(bits);
  sound.Spc().Frequency(frequency);
  sound.Spc().VolumeMultiplier(volume);
}

SdlSound& AudioTest::started() {
  sound_ = std::make_unique<SdlSound>(folder, meldingen());
  sound_->initgeluid();
  return *sound_;
}

std::string AudioTest::soundFile(int slot) const {
  return folder + "/geluid/" + std::to_string(slot) + ".wav";
}

std::string AudioTest::musicFile(const std::string& name) const {
  return folder + "/muziek/" + name;
}

// A busy machine runs the output's thread late: the wait lasts until most of `duration` has
// been written (at the lowest rate the mixer opens with), for five seconds at most.
std::vector<std::int16_t> AudioTest::samplesDuring(std::chrono::milliseconds duration) const {
  constexpr std::uintmax_t kLowestBytesPerSecond = 44100 * 4;
  const auto wanted =
      kLowestBytesPerSecond * static_cast<std::uintmax_t>(duration.count()) * 9 / 10000;
  return recorded([this, duration, wanted] {
    const auto from = fileSize(outputFile);
    std::this_thread::sleep_for(duration);
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (fileSize(outputFile) < from + wanted && std::chrono::steady_clock::now() < giveUp)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
  });
}

std::vector<std::int16_t> AudioTest::recorded(const std::function<void()>& actions) const {
  const auto from = fileSize(outputFile) & ~std::uintmax_t{3};
  actions();
  const auto to = fileSize(outputFile) & ~std::uintmax_t{3};
  std::vector<std::int16_t> samples((to - from) / 2);
  std::ifstream file(outputFile, std::ios::binary);
  file.seekg(static_cast<std::streamoff>(from));
  file.read(reinterpret_cast<char*>(samples.data()), static_cast<std::streamsize>(to - from));
  return samples;
}

double AudioTest::listen(std::chrono::milliseconds duration) const {
  const auto samples = samplesDuring(duration);
  if (samples.empty()) return 0;
  double sum = 0;
  for (std::int16_t sample : samples) sum += double(sample) * sample;
  return std::sqrt(sum / double(samples.size())) / 32768.0;
}

bool AudioTest::soundsWithin(std::chrono::milliseconds limit) const {
  const auto giveUp = std::chrono::steady_clock::now() + limit;
  do {
    if (listen(std::chrono::milliseconds(150)) > kSounding) return true;
  } while (std::chrono::steady_clock::now() < giveUp);
  return false;
}

double AudioTest::peakDuring(std::chrono::milliseconds duration) const {
  return loudest(samplesDuring(duration)) / 32768.0;
}

}  // namespace dwaalbos::audiotest
