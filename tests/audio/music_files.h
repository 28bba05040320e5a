#pragma once

#include <string>

namespace dwaalbos::audiotest {

// Small sound and music files, written by the generators' own writers so the tests need no
// assets: each piece holds one flute note for its whole length.

// A mono WAV file of a constant level (0..1).
void writeLevel(const std::string& path, double seconds, double level);

void writeXm(const std::string& path, double seconds = 4);   // a module that loops
void writeMidi(const std::string& path, double seconds);     // plays once
void writeSpc(const std::string& path, double seconds = 4);  // loops

}  // namespace dwaalbos::audiotest
