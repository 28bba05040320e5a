#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dwaalbos::audiotest {

// Small sound and music files, written by the generators' own writers so the tests need no
// assets: each piece holds one flute note for its whole length.

// A mono WAV file of a sine tone with faded edges, or of a constant level (0..1).
void writeTone(const std::string& path, double frequency, double seconds, double amplitude);
void writeLevel(const std::string& path, double seconds, double level);

void writeXm(const std::string& path, double seconds = 4);   // a module that loops
void writeMidi(const std::string& path, double seconds);     // plays once
void writeSpc(const std::string& path, double seconds = 4);  // loops

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace dwaalbos::audiotest
