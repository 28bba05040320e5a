// Every file format must play a note at its true pitch: the module's tuning fields, the sound
// chip's pitch table and the MIDI writer all turn note numbers into sound differently.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "musicgen/midi_writer.h"
#include "musicgen/spc_writer.h"
#include "musicgen/xm_writer.h"
#include "sound_test_support.h"
#include "synth/byte_writer.h"

namespace dwaalbos::music {
namespace {

Song oneNote(Instrument instrument, int pitch) {
  return {"A", 60, 16, 32, {{instrument, {{0, 16, pitch, 110}}}}};
}

double expected(int pitch) { return 440.0 * std::pow(2.0, (pitch - 69) / 12.0); }

class Tuning : public ::testing::TestWithParam<Instrument> {
 protected:
  int pitch() const { return GetParam() == Instrument::Bass ? 45 : 69; }
};

TEST_P(Tuning, TheModulePlaysTheWrittenPitch) {
  const auto audio = soundtest::renderModule(xmFile(oneNote(GetParam(), pitch())), 2.0);
  EXPECT_NEAR(soundtest::pitchHz(audio, 0.5, 0.5), expected(pitch()), expected(pitch()) * 0.004);
}

TEST_P(Tuning, TheSoundChipPlaysTheWrittenPitch) {
  const auto audio = soundtest::renderSpc(spcFile(oneNote(GetParam(), pitch())), 2.0);
  EXPECT_NEAR(soundtest::pitchHz(audio, 0.5, 0.5), expected(pitch()), expected(pitch()) * 0.004);
}

INSTANTIATE_TEST_SUITE_P(Instruments, Tuning,
                         ::testing::Values(Instrument::Flute, Instrument::Clarinet,
                                           Instrument::Strings, Instrument::Harp,
                                           Instrument::Bass));

// Highest over lowest pitch of a held A, measured in short stretches from `from` to `to` s.
double pitchSpread(Instrument instrument, double from, double to) {
  Song song = oneNote(instrument, 69);
  song.tracks[0].notes[0].length = 32;
  const auto audio = soundtest::renderSpc(spcFile(song), 3.0);
  double lowest = 1e9, highest = 0.0;
  for (double at = from; at < to; at += 0.04) {
    const double pitch = soundtest::pitchHz(audio, at, 0.04);
    lowest = std::min(lowest, pitch);
    highest = std::max(highest, pitch);
  }
  return highest / lowest;
}

TEST(Tuning, TheSoundChipsFluteWavesGentlyAroundItsPitchAndTheHarpHoldsStill) {
  // The flute's vibrato sets in after about 0.3 s; the harp is measured while still loud.
  const double flute = pitchSpread(Instrument::Flute, 0.6, 1.1);
  EXPECT_GT(flute, 1.005);  // audible: some ten cents either way
  EXPECT_LT(flute, 1.02);   // but never a wobble
  EXPECT_LT(pitchSpread(Instrument::Harp, 0.3, 0.8), 1.002);
}

TEST(Tuning, TheMidiFilePlaysTheWrittenPitch) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("dwaalbos-tuning-" + std::to_string(getpid()) + ".mid");
  synth::writeFile(path, midiFile(oneNote(Instrument::Flute, 69)));
  const auto audio = soundtest::renderMidi(path, 2.0);
  std::filesystem::remove(path);
  // The soundfont's own flute sits a few cents off; a wrong note would be a semitone away.
  EXPECT_NEAR(soundtest::pitchHz(audio, 0.8, 0.5), 440.0, 440.0 * 0.015);
}

}  // namespace
}  // namespace dwaalbos::music
