// The generated background music as the game finds it in its folder, played through the same
// decoders the game uses.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gme/gme.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "mixer_fixture.h"
#include "sound_test_support.h"

namespace {

using namespace soundtest;

constexpr double kMinimumSeconds = 60.0;

// Quiet passages are fine; silence is not: every five seconds something must be heard.
void expectSoundThroughout(const Stereo& audio, double fromSeconds, double toSeconds,
                           const std::string& what) {
  for (double at = fromSeconds; at + 5.0 <= toSeconds; at += 5.0)
    EXPECT_GT(rmsDb(audio, at, 5.0), -45.0) << what << " is silent from " << at << " s";
}

// Background music sits under the sound effects and never clips.
void expectBackgroundLevel(const Stereo& audio, const std::string& what) {
  const double level = rmsDb(audio, 0.0, seconds(audio));
  EXPECT_GT(level, -28.0) << what;
  EXPECT_LT(level, -14.0) << what;
  EXPECT_LT(peakDb(audio), -1.0) << what;
}

class MusicInTheMixer : public MixerTest {};

TEST_F(MusicInTheMixer, TheModuleLoadsAndLastsOverAMinute) {
  Mix_Music* music = Mix_LoadMUS(gameFile("muziek/Bospad.xm").c_str());
  ASSERT_NE(music, nullptr) << Mix_GetError();
  EXPECT_EQ(Mix_GetMusicType(music), MUS_MOD);
  EXPECT_GE(Mix_MusicDuration(music), kMinimumSeconds);
  Mix_FreeMusic(music);
}

TEST_F(MusicInTheMixer, TheMidiFileLoadsWithTheGeneralMidiSoundfont) {
  ASSERT_NE(Mix_SetSoundFonts("/usr/share/sounds/sf2/TimGM6mb.sf2"), 0) << Mix_GetError();
  Mix_Music* music = Mix_LoadMUS(gameFile("muziek/Dauw.mid").c_str());
  ASSERT_NE(music, nullptr) << Mix_GetError();
  EXPECT_EQ(Mix_GetMusicType(music), MUS_MID);
  Mix_FreeMusic(music);
}

TEST(ModuleSong, SoundsAllTheWayAndOnPastItsLoopPoint) {
  const auto file = readFile(gameFile("muziek/Bospad.xm"));
  // Rendered with looping on: well past the end, it must have started over, not stopped.
  const Stereo audio = renderModule(file, 150.0);
  ASSERT_NEAR(seconds(audio), 150.0, 0.1);
  expectSoundThroughout(audio, 0.0, 150.0, "Bospad.xm");
  expectBackgroundLevel(audio, "Bospad.xm");
}

TEST(MidiSong, SoundsForOverAMinuteAndThenEnds) {
  const Stereo audio = renderMidi(gameFile("muziek/Dauw.mid"), 600.0);
  EXPECT_GE(seconds(audio), kMinimumSeconds);
  EXPECT_LT(seconds(audio), 660.0);
  // The synthesiser takes a moment before the first note speaks.
  expectSoundThroughout(audio, 1.0, seconds(audio), "Dauw.mid");
  expectBackgroundLevel(audio, "Dauw.mid");
}

TEST(SpcSong, TheEmulatorAcceptsItAsAnSpcFile) {
  gme_type_t type = nullptr;
  ASSERT_EQ(gme_identify_file(gameFile("muziek/Mos.spc").c_str(), &type), nullptr);
  EXPECT_EQ(type, gme_spc_type);
  Music_Emu* emu = nullptr;
  ASSERT_EQ(gme_open_file(gameFile("muziek/Mos.spc").c_str(), &emu, kRate), nullptr);
  gme_info_t* info = nullptr;
  ASSERT_EQ(gme_track_info(emu, &info, 0), nullptr);
  EXPECT_EQ(std::string(info->song), "Mos");
  EXPECT_GE(info->length, 2 * kMinimumSeconds * 1000);
  gme_free_info(info);
  gme_delete(emu);
}

TEST(SpcSong, ItsDriverPlaysForOverAMinuteAndStartsOver) {
  // The song lasts about 107 s; at 130 s the driver must have gone back to the start.
  Stereo audio = renderSpc(readFile(gameFile("muziek/Mos.spc")), 130.0);
  // The game's SPC player doubles the emulator's output (its volume multiplier of 2).
  for (std::int16_t& sample : audio)
    sample = static_cast<std::int16_t>(std::clamp(2 * sample, -32768, 32767));
  ASSERT_NEAR(seconds(audio), 130.0, 0.1);
  expectSoundThroughout(audio, 0.0, 130.0, "Mos.spc");
  expectBackgroundLevel(audio, "Mos.spc");
}

}  // namespace
