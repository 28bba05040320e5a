#pragma once

#include <SDL2/SDL_stdinc.h>

#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "audio/fade.h"
#include "audio/mci_command.h"
#include "audio/midi_synth.h"
#include "audio/mixer_device.h"
#include "audio/music_stream.h"

typedef struct _fluid_player_t fluid_player_t;
typedef struct _fluid_synth_t fluid_synth_t;

namespace dwaalbos {

// The MIDI sequencer, driven by command strings:
//   open <file> type sequencer     play <file> [from 0] [notify]
//   pause <file>                   close <file>
// Each answers 0 or an error code (mci_errors.h). A piece plays once; its device stays open
// until it is closed. A bare "play" resumes a paused piece and never repeats a finished one.
// Pieces are read at "open" and synthesised into the mixer's music stream.
class MciSequencer {
 public:
  MciSequencer(MixerDevice& device, MusicStream& stream);
  MciSequencer(const MciSequencer&) = delete;
  MciSequencer& operator=(const MciSequencer&) = delete;
  ~MciSequencer();

  unsigned mciSendString(std::string_view command);

  // Loads the synthesiser in the background now, so the first piece need not wait for it.
  void prepare();

  // Closes every device; the output is about to close.
  void release();

 private:
  struct Device {
    std::vector<char> file;
    bool paused = false;
  };

  unsigned open(const MciCommand& command);
  unsigned play(const MciCommand& command);
  unsigned pause(const MciCommand& command);
  unsigned close(const MciCommand& command);
  void start(const std::string& name, Device& device);
  void closeDevice(std::map<std::string, Device>::iterator device);
  bool sounding(const std::string& name);
  void halt();
  void setPaused(bool paused);

  static void SDLCALL hook(void* sequencer, Uint8* stream, int len);
  void fill(Uint8* stream, int len);

  MixerDevice& output_;
  MusicStream& stream_;
  MidiSynth synth_;
  std::map<std::string, Device> devices_;
  std::string current_;  // the device whose piece holds the music stream

  std::mutex mutex_;  // guards the three below against the mixer's thread
  fluid_player_t* player_ = nullptr;
  fluid_synth_t* synthesiser_ = nullptr;
  Fade fade_;
};

}  // namespace dwaalbos
