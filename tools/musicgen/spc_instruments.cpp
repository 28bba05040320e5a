#include "musicgen/spc_instruments.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <utility>

namespace dwaalbos::music {

namespace {

constexpr int kCycle = static_cast<int>(kChipRate / kChipRootHz);  // 64 samples

// Exponential fade in GAIN mode: 101 in the top bits, the rate below (31 is the fastest, one
// step per sample; each step takes 1/256 of the level off).
constexpr std::uint8_t fade(int rate) { return static_cast<std::uint8_t>(0xA0 | rate); }
constexpr std::uint8_t adsr1(int decayRate, int attackRate) {
  return static_cast<std::uint8_t>(0x80 | decayRate << 4 | attackRate);
}
constexpr std::uint8_t adsr2(int sustainLevel, int sustainRate) {
  return static_cast<std::uint8_t>(sustainLevel << 5 | sustainRate);
}

// `length` samples holding whole cycles of each (cycles per length, amplitude) component, at
// 90 % of full scale.
std::vector<std::int16_t> waveform(int length,
                                   const std::vector<std::pair<int, double>>& components) {
  std::vector<double> wave(static_cast<std::size_t>(length), 0.0);
  for (const auto& [cycles, amplitude] : components)
    for (int i = 0; i < length; ++i)
      wave[i] += amplitude * std::sin(2.0 * std::numbers::pi * cycles * i / length);
  const double highest = *std::max_element(
      wave.begin(), wave.end(), [](double a, double b) { return std::abs(a) < std::abs(b); });
  std::vector<std::int16_t> out(wave.size());
  std::transform(wave.begin(), wave.end(), out.begin(), [highest](double x) {
    return static_cast<std::int16_t>(std::lround(x / std::abs(highest) * 0.9 * 32767.0));
  });
  return out;
}

std::vector<std::int16_t> singleCycle(const std::vector<double>& harmonics) {
  std::vector<std::pair<int, double>> components;
  for (std::size_t h = 0; h < harmonics.size(); ++h)
    components.push_back({static_cast<int>(h) + 1, harmonics[h]});
  return waveform(kCycle, components);
}

// Three slightly detuned copies of a soft saw: 127, 128 and 129 cycles in a loop of 128 root
// cycles, so the beating repeats exactly with the loop.
std::vector<std::int16_t> ensemble() {
  std::vector<std::pair<int, double>> components;
  for (int copy : {127, 128, 129})
    for (int h = 1; h <= 12; ++h)
      components.push_back({copy * h, 1.0 / std::pow(h, 1.3) / (1.0 + h * h / 40.0)});
  return waveform(128 * kCycle, components);
}

}  // namespace

ChipInstrument chipInstrument(Instrument instrument) {
  switch (instrument) {
    case Instrument::Flute:
      return {.samples = singleCycle({1.0, 0.2, 0.07, 0.03}),
              .adsr1 = adsr1(7, 10),
              .adsr2 = adsr2(7, 11),
              .vibrato = true,
              .releaseGain = fade(0x17),
              .releaseFrames = 14,
              .echo = true,
              .loudness = 0.28};
    case Instrument::Clarinet:
      return {.samples = singleCycle({1.0, 0.04, 0.34, 0.0, 0.15, 0.0, 0.06}),
              .adsr1 = adsr1(7, 11),
              .adsr2 = adsr2(7, 12),
              .vibrato = true,
              .releaseGain = fade(0x17),
              .releaseFrames = 14,
              .echo = true,
              .loudness = 0.44};
    case Instrument::Strings:
      return {.samples = ensemble(),
              .adsr1 = adsr1(7, 7),
              .adsr2 = adsr2(7, 0),
              .releaseGain = fade(0x15),
              .releaseFrames = 22,
              .hurriedGain = fade(0x1E),
              .hurriedFrames = 3,
              .echo = true,
              .loudness = 0.35};
    case Instrument::Harp:
      return {.samples = singleCycle({1.0, 0.45, 0.25, 0.12, 0.06, 0.03}),
              .adsr1 = adsr1(5, 14),
              .adsr2 = adsr2(2, 0x10),
              .releaseGain = fade(0x16),
              .releaseFrames = 18,
              .echo = true,
              .loudness = 1.16};
    case Instrument::Bass:
      return {.samples = singleCycle({1.0, 0.45, 0.18, 0.07}),
              .adsr1 = adsr1(4, 14),
              .adsr2 = adsr2(4, 0x0E),
              .releaseGain = fade(0x19),
              .releaseFrames = 9,
              .loudness = 0.45};
    case Instrument::Shaker:
      // Noise needs a waveform to run on all the same: a silent loop.
      return {.samples = std::vector<std::int16_t>(16, 0),
              .adsr1 = adsr1(7, 14),
              .adsr2 = adsr2(0, 0x1C),
              .noise = true,
              .loudness = 0.31};
    case Instrument::Drum: break;
  }
  throw std::invalid_argument(std::string("no chip instrument for ") + instrumentName(instrument));
}

}  // namespace dwaalbos::music
