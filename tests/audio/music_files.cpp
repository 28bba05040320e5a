#include "music_files.h"

#include <algorithm>
#include <cmath>

#include "musicgen/midi_writer.h"
#include "musicgen/spc_writer.h"
#include "musicgen/xm_writer.h"
#include "synth/wav_file.h"

namespace dwaalbos::audiotest {

namespace {

music::Song heldNote(double seconds) {
  const int steps = std::max(1, static_cast<int>(std::lround(seconds * 8)));  // 120 beats a minute
  return {"Test", 120, 16, steps, {{music::Instrument::Flute, {{0, steps, 72, 110}}}}, {}};
}

}  // namespace

void writeLevel(const std::string& path, double seconds, double level) {
  synth::writeWav(path,
                  synth::Signal(static_cast<std::size_t>(synth::sampleCount(seconds)), level));
}

void writeXm(const std::string& path, double seconds) {
  synth::writeFile(path, music::xmFile(heldNote(seconds)));
}

void writeMidi(const std::string& path, double seconds) {
  synth::writeFile(path, music::midiFile(heldNote(seconds)));
}

void writeSpc(const std::string& path, double seconds) {
  synth::writeFile(path, music::spcFile(heldNote(seconds)));
}

}  // namespace dwaalbos::audiotest
