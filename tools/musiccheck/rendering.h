#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "synth/loudness.h"

// The game's music as the game plays it, and measures of what is heard.
namespace dwaalbos::musiccheck {

using Stereo = std::vector<std::int16_t>;
constexpr int kRate = 44100;

// `seconds` of a piece of the game folder's muziek/, rendered through the game's own players and
// mixer as fast as the machine allows (SDL's disk driver without its delay), from the first
// audible sample on.
Stereo renderThroughTheGame(const std::filesystem::path& gameFolder, const std::string& tune,
                            double seconds);

// Level of `seconds` of both channels from `from`, in dB below full scale.
double rmsDb(const Stereo& audio, double from, double seconds);

// The deepest dip of the 10 ms level below the level of the half seconds on either side
// together, around `at`: a dropout shows as a dip of many dB.
double deepestDip(const Stereo& audio, double at);

// Loudness, loudest 3 s and true peak of `seconds` of both channels from `from`.
synth::ProgrammeLoudness loudnessOf(const Stereo& audio, double from, double seconds);

// Levels, in dB below full scale, of the 1-4 kHz band in windows of 140 ms, where small speakers
// are at their best and a step's crackle must stand above the music: of the music (both
// channels together), or of a sample of the game's (geluid/).
std::vector<double> presenceLevels(const Stereo& music);
std::vector<double> presenceLevels(const std::filesystem::path& gameFolder,
                                   const std::string& effect);

// The true peak, in dBTP, of the music with the game's sound effects (geluid/) added where the
// music is loudest (the worst case), one stack after another, as the mixer adds channels
// before its clamp. The sounds of a stack start together.
using Stack = std::vector<std::string>;
double truePeakWithEffectsOnTop(const std::filesystem::path& gameFolder, const Stereo& music,
                                const std::vector<Stack>& stacks);

// The loudness of a sample of the game's (geluid/) as played, over its loudest 400 ms (LUFS).
double effectLoudness(const std::filesystem::path& gameFolder, const std::string& effect);

// The loudness over 400 ms (LUFS) every 100 ms of `seconds` of both channels from `from`.
std::vector<double> momentaryLoudness(const Stereo& audio, double from, double seconds);

}  // namespace dwaalbos::musiccheck
