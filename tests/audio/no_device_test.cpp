#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "audio/sdl_sound.h"
#include "audio_fixture.h"

namespace dwaalbos::audiotest {
namespace {

using namespace std::chrono_literals;

class NoDeviceTest : public AudioTest {
 protected:
  NoDeviceTest() { setenv("SDL_AUDIODRIVER", "geen-apparaat", 1); }
};

// Without a sound device the game runs on in silence; only the SPC player says so.
TEST_F(NoDeviceTest, EverythingReturnsAtOnceInSilence) {
  writeLevel(soundFile(1), 0.25, 0.5);
  writeXm(musicFile("bos.xm"));
  writeMidi(musicFile("bos.mid"), 1);
  writeSpc(musicFile("bos.spc"));
  const auto start = std::chrono::steady_clock::now();
  {
    SdlSound sound(folder, meldingen());
    sound.initgeluid();
    spcSettings(sound);
    for (int slot = 0; slot < 14; ++slot) sound.speelgeluid(slot);
    for (const char* name : {"bos.xm", "bos.mid", "bos.spc"}) {
      sound.speelmuziek(musicFile(name));
      sound.pauzeermuziek();
      sound.hervatmuziek();
    }
    sound.stopmuziek();
    sound.sluitgeluid();
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].first, "Zd-spc");
  EXPECT_NE(messages[0].second.find("Er is geen geluidsapparaat beschikbaar."), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder + "/output.raw"));
}

}  // namespace
}  // namespace dwaalbos::audiotest
