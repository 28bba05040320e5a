#include "audio/mci_sequencer.h"

#include <SDL2/SDL_mixer.h>
#include <fluidsynth.h>

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "audio/file_bytes.h"
#include "audio/mci_errors.h"

namespace dwaalbos {

namespace {

// Pause and close take no keyword but "notify", which is accepted and ignored: nobody listens
// for the end of a piece.
unsigned checkNotifyOnly(const MciCommand& command) {
  for (const auto& word : command.words)
    if (word != "notify") return mci::kUnrecognizedKeyword;
  return mci::kOk;
}

// The position after "from"; only the start of a piece can be asked for.
unsigned readFrom(const std::vector<std::string>& words, std::size_t at) {
  if (at + 1 >= words.size()) return mci::kMissingParameter;
  const std::string& value = words[at + 1];
  long position = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), position);
  if (error != std::errc() || end != value.data() + value.size()) return mci::kBadInteger;
  return position == 0 ? mci::kOk : mci::kOutOfRange;
}

// The keywords of "play": [from <position>] [notify].
unsigned readPlayKeywords(const std::vector<std::string>& words, bool& fromStart) {
  for (std::size_t at = 0; at < words.size(); ++at) {
    if (words[at] == "notify") continue;
    if (words[at] != "from") return mci::kUnrecognizedKeyword;
    if (const unsigned from = readFrom(words, at); from != mci::kOk) return from;
    fromStart = true;
    ++at;
  }
  return mci::kOk;
}

// A standard MIDI file, bare or wrapped in RIFF.
bool isMidiFile(const std::vector<char>& file) {
  const std::string_view start(file.data(), std::min<std::size_t>(file.size(), 4));
  return start == "MThd" || start == "RIFF";
}

}  // namespace

MciSequencer::MciSequencer(MixerDevice& device, MusicStream& stream)
    : output_(device), stream_(stream) {}

MciSequencer::~MciSequencer() { release(); }

unsigned MciSequencer::mciSendString(std::string_view text) {
  const MciParse parse = parseMciCommand(text);
  if (parse.error != mci::kOk) return parse.error;
  const MciCommand& command = parse.command;
  if (command.verb == "open") return open(command);
  if (command.verb == "play") return play(command);
  if (command.verb == "pause") return pause(command);
  if (command.verb == "close") return close(command);
  return mci::kUnrecognizedCommand;
}

void MciSequencer::prepare() {
  if (output_.isOpen()) synth_.load(output_.format().frequency);
}

void MciSequencer::release() {
  while (!devices_.empty()) closeDevice(devices_.begin());
}

unsigned MciSequencer::open(const MciCommand& command) {
  const auto& words = command.words;
  if (words.size() != 2 || words[0] != "type")
    return words.empty() ? mci::kMissingParameter : mci::kUnrecognizedKeyword;
  if (words[1] != "sequencer") return mci::kInvalidDeviceName;
  if (devices_.contains(command.device)) return mci::kDeviceOpen;
  if (!output_.isOpen()) return mci::kHardware;
  std::error_code error;
  if (!std::filesystem::is_regular_file(command.device, error)) return mci::kFileNotFound;
  std::vector<char> file = readFileBytes(command.device);
  if (!isMidiFile(file)) return mci::kInvalidFile;
  prepare();
  devices_[command.device].file = std::move(file);
  return mci::kOk;
}

unsigned MciSequencer::play(const MciCommand& command) {
  bool fromStart = false;
  if (const unsigned keywords = readPlayKeywords(command.words, fromStart); keywords != mci::kOk)
    return keywords;
  const auto found = devices_.find(command.device);
  if (found == devices_.end()) return mci::kInvalidDeviceName;
  Device& device = found->second;
  if (fromStart || current_ != command.device) {
    start(command.device, device);
  } else if (device.paused) {
    setPaused(false);
    device.paused = false;
  }
  return mci::kOk;
}

unsigned MciSequencer::pause(const MciCommand& command) {
  if (const unsigned keywords = checkNotifyOnly(command); keywords != mci::kOk) return keywords;
  const auto found = devices_.find(command.device);
  if (found == devices_.end()) return mci::kInvalidDeviceName;
  if (sounding(command.device)) {
    setPaused(true);
    found->second.paused = true;
  }
  return mci::kOk;
}

unsigned MciSequencer::close(const MciCommand& command) {
  if (const unsigned keywords = checkNotifyOnly(command); keywords != mci::kOk) return keywords;
  const auto found = devices_.find(command.device);
  if (found == devices_.end()) return mci::kInvalidDeviceName;
  closeDevice(found);
  return mci::kOk;
}

void MciSequencer::start(const std::string& name, Device& device) {
  stream_.take(this, [this] { halt(); });
  halt();
  current_ = name;
  device.paused = false;
  fluid_synth_t* synth = synth_.synth();
  if (synth == nullptr) return;
  fluid_player_t* player = new_fluid_player(synth);
  if (player == nullptr) return;
  if (fluid_player_add_mem(player, device.file.data(), device.file.size()) != FLUID_OK ||
      fluid_player_play(player) != FLUID_OK) {
    delete_fluid_player(player);
    return;
  }
  {
    std::lock_guard lock(mutex_);
    player_ = player;
    synthesiser_ = synth;
    fade_.fadeIn(output_.format().frequency);
  }
  output_.hookMusic(&MciSequencer::hook, this);
}

void MciSequencer::closeDevice(std::map<std::string, Device>::iterator device) {
  if (current_ == device->first && stream_.heldBy(this)) {
    halt();
    stream_.leave(this);
  }
  devices_.erase(device);
}

bool MciSequencer::sounding(const std::string& name) {
  if (current_ != name || !stream_.heldBy(this)) return false;
  std::lock_guard lock(mutex_);
  return player_ != nullptr && fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING;
}

// Unhooking waits for a running fill; the notes still ringing are faded out and cut so the next
// piece starts clean.
void MciSequencer::halt() {
  current_.clear();
  if (output_.isOpen()) {
    fadeOutAndUnhook(output_, mutex_, fade_, [this] { return player_ != nullptr; });
  }
  std::lock_guard lock(mutex_);
  if (player_ == nullptr) return;
  fluid_player_stop(player_);
  delete_fluid_player(player_);
  player_ = nullptr;
  fluid_synth_system_reset(synthesiser_);
}

void MciSequencer::setPaused(bool paused) {
  if (!paused) output_.wake();
  std::lock_guard lock(mutex_);
  if (paused) fade_.fadeOut(output_.format().frequency);
  else fade_.fadeIn(output_.format().frequency);
}

void SDLCALL MciSequencer::hook(void* sequencer, Uint8* stream, int len) {
  static_cast<MciSequencer*>(sequencer)->fill(stream, len);
}

// The output is 16-bit stereo (mixer_device.cpp). The player is clocked by these samples.
void MciSequencer::fill(Uint8* stream, int len) {
  std::lock_guard lock(mutex_);
  if (player_ == nullptr || fade_.silent()) return;
  auto* out = reinterpret_cast<std::int16_t*>(stream);
  fluid_synth_write_s16(synthesiser_, len / 4, out, 0, 2, out, 1, 2);
  fade_.apply(out, len / 4, 2, stream_.level());
  // A piece that has ended keeps the device awake only while its last notes ring.
  if (fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING ||
      std::any_of(out, out + len / 2, [](std::int16_t s) { return s != 0; }))
    output_.heard();
}

}  // namespace dwaalbos
