#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Renders music through the very libraries the game plays it with, and measures the result.
namespace soundtest {

constexpr int kRate = 44100;

// Interleaved 16-bit stereo.
using Stereo = std::vector<std::int16_t>;

std::vector<std::uint8_t> readFile(const std::filesystem::path& path);
// A file in the staged game folder (DWAALBOS_GAME_DIR).
std::filesystem::path gameFile(const std::string& relative);

// libmodplug, set up as SDL_mixer sets it up, started over at its end as SDL_mixer does.
Stereo renderModule(const std::vector<std::uint8_t>& file, double seconds);
// libgme; an empty result when the file is refused.
Stereo renderSpc(const std::vector<std::uint8_t>& file, double seconds);
// fluidsynth with the Debian General MIDI soundfont, clocked by the samples it renders. Stops at
// `seconds` or when the player reaches the end of the file, whichever comes first.
Stereo renderMidi(const std::filesystem::path& path, double seconds);

double seconds(const Stereo& audio);
// Level of a stretch of both channels, in dB below full scale.
double rmsDb(const Stereo& audio, double fromSeconds, double lengthSeconds);
double peakDb(const Stereo& audio);
// The fundamental of the left channel over a stretch, by autocorrelation.
double pitchHz(const Stereo& audio, double fromSeconds, double lengthSeconds);

}  // namespace soundtest
