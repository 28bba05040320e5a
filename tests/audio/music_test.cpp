#include <algorithm>
#include <cstdlib>
#include <functional>
#include <thread>

#include "audio/sdl_sound.h"
#include "audio_fixture.h"

namespace dwaalbos::audiotest {
namespace {

using namespace std::chrono_literals;

struct MusicKind {
  const char* name;
  std::function<void(const std::string&)> write;
  Muzieksoort soort;
};

void PrintTo(const MusicKind& kind, std::ostream* out) { *out << kind.name; }

class MusicTest : public AudioTest, public ::testing::WithParamInterface<MusicKind> {};

// A change of level glides as a pause does: no tick however far the slider jumps.
TEST_P(MusicTest, TheMusicVolumeScalesThePlayingPieceGlidesAndZeroMutesIt) {
  const std::string path = musicFile(GetParam().name);
  GetParam().write(path);
  SdlSound& sound = started();
  spcSettings(sound);
  sound.speelmuziek(path);
  // The note's own attack is sharp: the changes start once it is held. MIDI starts late, the
  // later the busier the machine.
  ASSERT_TRUE(soundsWithin(2s));
  std::this_thread::sleep_for(300ms);
  // A busy machine runs the output's thread late: each change gets time to be heard.
  constexpr auto kSettle = 200ms;
  const auto samples = recorded([&] {
    // The note fades as it is held: the half level is compared with full levels on both sides.
    const double before = listen(200ms);
    sound.geluidssterkte(50, 100);
    std::this_thread::sleep_for(kSettle);
    const double half = listen(200ms);
    sound.geluidssterkte(100, 100);
    std::this_thread::sleep_for(kSettle);
    EXPECT_NEAR(half / ((before + listen(200ms)) / 2), 0.25, 0.05);
    sound.geluidssterkte(0, 100);
    std::this_thread::sleep_for(kSettle);
    EXPECT_LT(listen(200ms), kSilent);
    sound.geluidssterkte(100, 100);
    std::this_thread::sleep_for(kSettle);
  });
  const int peak = loudest(samples);
  EXPECT_GT(peak, 0.02 * 32768);
  EXPECT_LT(largestStep(samples), peak / 5) << "at a peak of " << peak;
}

// Every wait leaves room for the output's buffers and a song read on a thread of its own.
// Music cut off in one sample ticks: pause, resume, a change of piece and stop glide instead.
TEST_P(MusicTest, PlaysPausesResumesAndStopsWithoutATick) {
  const std::string path = musicFile(GetParam().name);
  GetParam().write(path);
  SdlSound& sound = started();
  spcSettings(sound);
  const auto samples = recorded([&] {
    sound.speelmuziek(path);
    EXPECT_EQ(sound.muziek().soort(), GetParam().soort);
    EXPECT_TRUE(soundsWithin(2s)) << "playing";
    sound.pauzeermuziek();
    std::this_thread::sleep_for(100ms);
    EXPECT_LT(listen(200ms), kSilent) << "paused";
    sound.hervatmuziek();
    EXPECT_TRUE(soundsWithin(2s)) << "resumed";
    sound.speelmuziek(path);
    std::this_thread::sleep_for(400ms);
    sound.stopmuziek();
    std::this_thread::sleep_for(100ms);
    EXPECT_LT(listen(200ms), kSilent) << "stopped";
  });
  const int peak = loudest(samples);
  EXPECT_GT(peak, 0.02 * 32768);
  EXPECT_LT(largestStep(samples), peak / 5) << "at a peak of " << peak;
  EXPECT_TRUE(messages.empty());
}

// The MIDI piece plays once: it lasts beyond every test, as the note's release is brighter
// than the held note and its steps would pass for a tick.
INSTANTIATE_TEST_SUITE_P(
    EveryPlayer, MusicTest,
    ::testing::Values(MusicKind{"bos.xm", [](const auto& p) { writeXm(p); }, Muzieksoort::Song},
                      MusicKind{"bos.mid", [](const auto& p) { writeMidi(p, 8); },
                                Muzieksoort::Midi},
                      MusicKind{"bos.spc", [](const auto& p) { writeSpc(p); }, Muzieksoort::Spc}),
    [](const auto& info) { return std::string(info.param.name).substr(4); });

class MusicSwitchTest : public AudioTest {};

// The SPC player takes over the mixer's music stream: other music must get it back, and a
// paused piece must not keep the next one paused.
TEST_F(MusicSwitchTest, EachNewPieceSoundsWhateverPlayedOrPausedBefore) {
  writeSpc(musicFile("a.spc"));
  writeXm(musicFile("b.xm"));
  writeMidi(musicFile("c.mid"), 4);
  SdlSound& sound = started();
  spcSettings(sound);
  for (const char* name : {"a.spc", "b.xm", "a.spc", "c.mid", "b.xm", "c.mid", "a.spc"}) {
    sound.pauzeermuziek();
    sound.speelmuziek(musicFile(name));
    EXPECT_TRUE(soundsWithin(2s)) << name;
  }
  sound.stopmuziek();
  std::this_thread::sleep_for(100ms);
  EXPECT_LT(listen(150ms), kSilent);
}

TEST_F(MusicSwitchTest, MidiPieceIsNotRepeated) {
  writeMidi(musicFile("kort.mid"), 0.6);
  SdlSound& sound = started();
  sound.speelmuziek(musicFile("kort.mid"));
  std::this_thread::sleep_for(300ms);
  EXPECT_GT(listen(150ms), kSounding);
  std::this_thread::sleep_for(1000ms);
  EXPECT_LT(listen(300ms), kSilent);
  sound.hervatmuziek();  // a resume does not start it again
  std::this_thread::sleep_for(200ms);
  EXPECT_LT(listen(200ms), kSilent);
}

}  // namespace
}  // namespace dwaalbos::audiotest
