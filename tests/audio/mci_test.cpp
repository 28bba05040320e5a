#include <thread>

#include "audio/mci_command.h"
#include "audio/mci_errors.h"
#include "audio/sdl_sound.h"
#include "audio_fixture.h"

namespace dwaalbos::audiotest {
namespace {

using namespace std::chrono_literals;

TEST(MciCommandTest, EveryPathSurvivesAsAQuotedDeviceName) {
  for (const std::string path : {"/spel/muziek/bos.mid", "/mijn muziek/een  bos.mid",
                                 "/a/\"aanhalingstekens\"/b.mid", "/eind/\"", " voor.mid"}) {
    const MciParse parse = parseMciCommand("play " + mciDeviceName(path) + " from 0 notify");
    EXPECT_EQ(parse.error, mci::kOk) << path;
    EXPECT_EQ(parse.command.verb, "play");
    EXPECT_EQ(parse.command.device, path);
    EXPECT_EQ(parse.command.words, (std::vector<std::string>{"from", "0", "notify"}));
  }
}

TEST(MciCommandTest, MalformedCommandsAreRefused) {
  EXPECT_EQ(parseMciCommand("").error, mci::kMissingCommandString);
  EXPECT_EQ(parseMciCommand("close ").error, mci::kMissingDeviceName);
  EXPECT_EQ(parseMciCommand("close \"\"").error, mci::kMissingDeviceName);
  EXPECT_EQ(parseMciCommand("close \"/a b.mid").error, mci::kNoClosingQuote);
}

class SequencerTest : public AudioTest {
 protected:
  SequencerTest() { device.open(44100, 50); }
  std::string name(const std::string& file) { return mciDeviceName(musicFile(file)); }
  unsigned send(const std::string& command) { return sequencer.mciSendString(command); }

  MixerDevice device;
  MusicStream stream;
  MciSequencer sequencer{device, stream};
};

TEST_F(SequencerTest, PathWithSpacesPlaysThroughTheCommandStrings) {
  writeMidi(musicFile("een bos met \"bomen\".mid"), 3);
  const std::string piece = name("een bos met \"bomen\".mid");
  EXPECT_EQ(send("open " + piece + " type sequencer"), mci::kOk);
  EXPECT_EQ(send("play " + piece + " from 0 notify"), mci::kOk);
  std::this_thread::sleep_for(300ms);
  EXPECT_GT(listen(150ms), kSounding);
  EXPECT_EQ(send("pause " + piece), mci::kOk);
  EXPECT_EQ(send("pause " + piece), mci::kOk);  // a second pause is no resume
  std::this_thread::sleep_for(100ms);
  EXPECT_LT(listen(150ms), kSilent);
}

TEST_F(SequencerTest, ErrorsAnswerCodesAndPlayNothing) {
  writeMidi(musicFile("bos.mid"), 3);
  writeXm(musicFile("geen midi.mid"));
  const std::string piece = name("bos.mid");
  EXPECT_EQ(send("open " + name("weg.mid") + " type sequencer"), mci::kFileNotFound);
  EXPECT_EQ(send("open " + name("geen midi.mid") + " type sequencer"), mci::kInvalidFile);
  EXPECT_EQ(send("play " + piece + " from 0 notify"), mci::kInvalidDeviceName);
  EXPECT_EQ(send("open " + piece + " type waveaudio"), mci::kInvalidDeviceName);
  EXPECT_EQ(send("open " + piece + " type sequencer"), mci::kOk);
  EXPECT_EQ(send("open " + piece + " type sequencer"), mci::kDeviceOpen);
  EXPECT_EQ(send("play " + piece + " from 500"), mci::kOutOfRange);
  EXPECT_EQ(send("play " + piece + " from"), mci::kMissingParameter);
  EXPECT_EQ(send("play " + piece + " from nul"), mci::kBadInteger);
  EXPECT_EQ(send("play " + piece + " wait"), mci::kUnrecognizedKeyword);
  EXPECT_EQ(send("record " + piece), mci::kUnrecognizedCommand);
  EXPECT_LT(listen(300ms), kSilent);
  EXPECT_EQ(send("close " + piece), mci::kOk);
  EXPECT_EQ(send("close " + piece), mci::kInvalidDeviceName);
}

}  // namespace
}  // namespace dwaalbos::audiotest
