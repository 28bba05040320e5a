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
  SdlSound sound(folder, meldingen());
  sound.initgeluid();
  spcSettings(sound);
  const std::string path = musicFile("weg met spaties.spc");
  sound.speelmuziek(path);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].first, "Dwaalbos");
  EXPECT_EQ(messages[0].second, "Bestandsfout!\r\n\r\n" + path + " bestaat niet!");
  EXPECT_FALSE(sound.Spc().IsPlaying());
  EXPECT_EQ(sound.muziek().soort(), Muzieksoort::Spc);
  sound.pauzeermuziek();
  sound.hervatmuziek();
  sound.stopmuziek();
  EXPECT_LT(listen(150ms), kSilent);
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(SpcTest, PlayerThatCannotStartIsReportedAndCanStartLater) {
  writeSpc(musicFile("bos.spc"));
  SdlSound sound(folder, meldingen());
  sound.initgeluid();
  sound.speelmuziek(musicFile("bos.spc"));  // the settings were never given
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].first, "Zd-spc");
  EXPECT_EQ(messages[0].second,
            "Ik kan Zd-spc niet initialiseren!\r\n\r\n"
            "Het gevraagde geluidsformaat wordt niet ondersteund.\r\n"
            "Jammer, maar je kan Dwaalbos gelukkig toch nog doen!\r\n"
            "Waarschijnlijk ligt het aan je MCI-driver, maar ik weet niet wat je eraan kan doen.");
  EXPECT_FALSE(sound.Spc().IsPlaying());
  EXPECT_LT(listen(150ms), kSilent);

  EXPECT_GT(levelWith(sound, 1, 16, 48000, 2), kSounding);
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(SpcTest, EveryOutputFormatSoundsAndTheMultiplierScalesTheLevel) {
  writeSpc(musicFile("bos.spc"));
  SdlSound sound(folder, meldingen());
  sound.initgeluid();
  const double single = levelWith(sound, 2, 16, 32000, 1);
  EXPECT_GT(single, kSounding);
  EXPECT_NEAR(levelWith(sound, 1, 16, 48000, 2) / single, 2.0, 0.2);
  EXPECT_NEAR(levelWith(sound, 1, 8, 22050, 1) / single, 1.0, 0.15);
  EXPECT_LT(levelWith(sound, 2, 16, 44100, 0), kSilent);
  EXPECT_TRUE(messages.empty());
}

TEST_F(SpcTest, DamagedFileStartsThePlayerButStaysSilent) {
  writeBytes(musicFile("kapot.spc"), {'S', 'N', 'E', 'S', 1, 2, 3});
  SdlSound sound(folder, meldingen());
  sound.initgeluid();
  spcSettings(sound);
  sound.speelmuziek(musicFile("kapot.spc"));
  EXPECT_TRUE(sound.Spc().IsPlaying());
  EXPECT_TRUE(messages.empty());
  EXPECT_LT(listen(200ms), kSilent);
}

TEST_F(SpcTest, EndOfTheGameStopsThePlayer) {
  writeSpc(musicFile("bos.spc"));
  MixerDevice device;
  MusicStream stream;
  ZdSpcPlayer player(device, stream);
  ASSERT_TRUE(device.open(44100, 50));
  {
    clsSPC spc(player, meldingen(), "Dwaalbos");
    spc.Channels(1);
    spc.Bits(16);
    spc.Frequency(48000);
    spc.VolumeMultiplier(2);
    spc.filename(musicFile("bos.spc"));
    spc.PlaySPC();
    EXPECT_TRUE(player.initialised());
    std::this_thread::sleep_for(100ms);
    EXPECT_GT(listen(150ms), kSounding);
  }
  EXPECT_FALSE(player.initialised());
  std::this_thread::sleep_for(100ms);
  EXPECT_LT(listen(150ms), kSilent);
}

}  // namespace
}  // namespace dwaalbos::audiotest
