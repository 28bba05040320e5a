#pragma once

#include <map>
#include <string>
#include <string_view>

#include "audio/mci_command.h"
#include "audio/mixer_device.h"
#include "audio/music_stream.h"

typedef struct _Mix_Music Mix_Music;

namespace dwaalbos {

// The MIDI sequencer, driven by command strings:
//   open <file> type sequencer     play <file> [from 0] [notify]
//   pause <file>                   close <file>
// Each answers 0 or an error code (mci_errors.h). A piece plays once; its device stays open
// until it is closed. A bare "play" resumes a paused piece and never repeats a finished one.
class MciSequencer {
 public:
  MciSequencer(MixerDevice& device, MusicStream& stream);
  MciSequencer(const MciSequencer&) = delete;
  MciSequencer& operator=(const MciSequencer&) = delete;
  ~MciSequencer();

  unsigned mciSendString(std::string_view command);

  // Closes every device; the output is about to close.
  void release();

 private:
  struct Device {
    Mix_Music* music = nullptr;
    bool paused = false;
  };

  unsigned open(const MciCommand& command);
  unsigned play(const MciCommand& command);
  unsigned pause(const MciCommand& command);
  unsigned close(const MciCommand& command);
  void start(const std::string& name, Device& device);
  void closeDevice(std::map<std::string, Device>::iterator device);
  bool sounding(const std::string& name) const;

  MixerDevice& output_;
  MusicStream& stream_;
  std::map<std::string, Device> devices_;
  std::string current_;  // the device whose piece holds the music stream
};

}  // namespace dwaalbos
