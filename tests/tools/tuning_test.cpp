// The module's tuning fields and the sound chip's pitch table turn note numbers into sound
// differently; both must play a note at its true pitch.
#include <gtest/gtest.h>

#include <cmath>

#include "musicgen/spc_writer.h"
#include "musicgen/xm_writer.h"
#include "sound_test_support.h"

namespace dwaalbos::music {
namespace {

Song oneNote(Instrument instrument, int pitch) {
  return {"A", 60, 16, 32, {{instrument, {{0, 16, pitch, 110}}}}, {}};
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

}  // namespace
}  // namespace dwaalbos::music
