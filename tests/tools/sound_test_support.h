#pragma once

#include <cstdint>
#include <vector>

// Renders music through the very libraries the game plays it with, and measures the result.
namespace soundtest {

constexpr int kRate = 44100;

// Interleaved 16-bit stereo.
using Stereo = std::vector<std::int16_t>;

// libopenmpt, repeating the song as the game's song player does.
Stereo renderModule(const std::vector<std::uint8_t>& file, double seconds);
// libgme; an empty result when the file is refused.
Stereo renderSpc(const std::vector<std::uint8_t>& file, double seconds);

// The fundamental of the left channel over a stretch, by autocorrelation.
double pitchHz(const Stereo& audio, double fromSeconds, double lengthSeconds);

}  // namespace soundtest
