#include <thread>

#include "audio/sdl_sound.h"
#include "audio_fixture.h"

namespace dwaalbos::audiotest {
namespace {

using namespace std::chrono_literals;

class DispatchTest : public AudioTest {};

TEST_F(DispatchTest, ExtensionChoosesThePlayerIgnoringCase) {
  writeMidi(musicFile("HOOFD.MID"), 2);
  writeMidi(musicFile("lang.midi"), 2);
  SdlSound& sound = started();

  sound.speelmuziek(musicFile("HOOFD.MID"));
  EXPECT_EQ(sound.muziek().soort(), Muzieksoort::Midi);

  for (const char* name : {"Bos.SpC", "x.spc"}) {
    sound.speelmuziek(musicFile(name));
    EXPECT_EQ(sound.muziek().soort(), Muzieksoort::Spc) << name;
  }
  // ".midi" ends in "idi": the song player takes it, and refuses it as no module.
  for (const char* name : {"lang.midi", "", "id", "geen.xm", "geen.wav"}) {
    sound.speelmuziek(musicFile(name));
    EXPECT_EQ(sound.muziek().soort(), Muzieksoort::Song) << name;
    EXPECT_EQ(sound.muziek().Song(), 0) << name;
  }
  sound.stopmuziek();
  EXPECT_EQ(sound.muziek().soort(), Muzieksoort::Geen);
}

// The song player's pause is a toggle, and pause and resume pass it on unchanged.
TEST_F(DispatchTest, SecondPauseOfASongResumesItWhileThePauseStateStays) {
  writeXm(musicFile("bos.xm"));
  SdlSound& sound = started();
  sound.speelmuziek(musicFile("bos.xm"));
  ASSERT_TRUE(soundsWithin(2s));  // the song is read on a thread of its own
  sound.pauzeermuziek();
  sound.pauzeermuziek();
  EXPECT_TRUE(sound.muziekpauze());
  std::this_thread::sleep_for(100ms);
  EXPECT_GT(listen(150ms), kSounding);

  sound.hervatmuziek();  // toggles the song to paused again
  EXPECT_FALSE(sound.muziekpauze());
  std::this_thread::sleep_for(100ms);
  EXPECT_LT(listen(150ms), kSilent);
}

// A damaged SPC file starts its player all the same.
TEST_F(DispatchTest, MissingAndDamagedMusicIsSilentAndUnreported) {
  temp.write("muziek/kapot.mod", {'M', '.', 'K', '.'});
  temp.write("muziek/kapot.mid", {'M', 'T', 'h', 'd', 0, 0});
  temp.write("muziek/kapot.spc", {'S', 'N', 'E', 'S', 1, 2, 3});
  SdlSound& sound = started();
  spcSettings(sound);
  for (const char* name : {"weg.mod", "weg.mid", "kapot.mod", "kapot.mid", "kapot.spc"}) {
    sound.speelmuziek(musicFile(name));
    sound.pauzeermuziek();
    sound.hervatmuziek();
  }
  EXPECT_TRUE(sound.Spc().IsPlaying());
  EXPECT_LT(listen(300ms), kSilent);
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace dwaalbos::audiotest
