#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "synth/signal.h"

namespace dwaalbos::synth {

// Full scale is 1.0; anything beyond is clipped. Rounded to the nearest step.
std::vector<std::int16_t> toPcm16(const Signal& signal);

// A 16-bit PCM RIFF WAVE file at kRate, mono.
void writeWav(const std::filesystem::path& path, const Signal& signal);

}  // namespace dwaalbos::synth
