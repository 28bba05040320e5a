// Every file format must play a note at its true pitch: the module's tuning fields, the sound
// chip's pitch table and the MIDI writer all turn note numbers into sound differently.
#include <gtest/gtest.h>
#include <unistd.h>

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
