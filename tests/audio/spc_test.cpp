#include <thread>

#include "audio/sdl_sound.h"
#include "audio_fixture.h"

namespace dwaalbos::audiotest {
namespace {

using namespace std::chrono_literals;

class SpcTest : public AudioTest {
 protected:
  double levelWith(SdlSound& sound, long channels, long bits, long frequency, long volume) {
    spcSettings(sound, channels, bits, frequency, volume);
    sound.speelmuziek(musicFile("bos.spc"));
    std::this_thread::sleep_for(150ms);
    const double level = listen(200ms);
    sound.stopmuziek();
    return level;
  }
};

TEST_F(SpcTest, MissingFileIsReportedAndLaterButtonsAreAccepted) {
  SdlSound& sound = started();
  spcSettings(sound);
  const std::string path = musicFile("weg met spaties.spc");
  sound.speelmuziek(path);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].first, "Dwaalbos");
  EXPECT_EQ(messages[0].second, "Bestandsfout!\r\n\r\n" + path + " bestaat niet!");
  sound.pauzeermuziek();
  sound.hervatmuziek();
  sound.stopmuziek();
  EXPECT_LT(listen(150ms), kSilent);
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(SpcTest, PlayerThatCannotStartIsReportedAndCanStartLater) {
  writeSpc(musicFile("bos.spc"));
  SdlSound& sound = started();
  sound.speelmuziek(musicFile("bos.spc"));  // the settings were never given
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].first, "Zd-spc");
  EXPECT_NE(messages[0].second.find("geluidsformaat wordt niet ondersteund"), std::string::npos);
  EXPECT_FALSE(sound.Spc().IsPlaying());
  EXPECT_LT(listen(150ms), kSilent);

  EXPECT_GT(levelWith(sound, 1, 16, 48000, 2), kSounding);
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(SpcTest, EveryOutputFormatSoundsAndTheMultiplierScalesTheLevel) {
  writeSpc(musicFile("bos.spc"));
  SdlSound& sound = started();
  const double single = levelWith(sound, 2, 16, 32000, 1);
  EXPECT_GT(single, kSounding);
  EXPECT_NEAR(levelWith(sound, 1, 16, 48000, 2) / single, 2.0, 0.2);
  EXPECT_NEAR(levelWith(sound, 1, 8, 22050, 1) / single, 1.0, 0.15);
  EXPECT_LT(levelWith(sound, 2, 16, 44100, 0), kSilent);
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace dwaalbos::audiotest
