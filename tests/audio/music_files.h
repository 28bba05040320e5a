#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dwaalbos::audiotest {

// Tiny but valid sound and music files, written by code so the tests need no assets.

// Mono 16-bit samples of a sine tone with faded edges.
std::vector<std::int16_t> tone(double frequency, double seconds, double amplitude,
                               int rate = 44100);
void writeWav(const std::string& path, const std::vector<std::int16_t>& samples,
              int rate = 44100);

// A four-channel module whose one looping square-wave note sounds for the whole song.
void writeMod(const std::string& path);
// A single organ note of the given length, then the end of the track.
void writeMidi(const std::string& path, double seconds);
// An SPC snapshot whose program keys on one voice that loops a square wave forever.
void writeSpc(const std::string& path);

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace dwaalbos::audiotest
