#include "audio/mci_sequencer.h"

#include <SDL2/SDL_mixer.h>

#include <charconv>
#include <filesystem>
#include <fstream>

#include "audio/mci_errors.h"

namespace dwaalbos {

namespace {

constexpr int kPlayOnce = 0;

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

// A standard MIDI file, bare or wrapped in RIFF; the decoder itself would take anything.
bool isMidiFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  char magic[4] = {};
  file.read(magic, sizeof magic);
  const std::string_view start(magic, sizeof magic);
  return file && (start == "MThd" || start == "RIFF");
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
  if (!isMidiFile(command.device)) return mci::kInvalidFile;
  Mix_Music* music = Mix_LoadMUS(command.device.c_str());
  if (music == nullptr) return mci::kInvalidFile;
  devices_[command.device].music = music;
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
    Mix_ResumeMusic();
    device.paused = false;
  }
  return mci::kOk;
}

unsigned MciSequencer::pause(const MciCommand& command) {
  if (const unsigned keywords = checkNotifyOnly(command); keywords != mci::kOk) return keywords;
  const auto found = devices_.find(command.device);
  if (found == devices_.end()) return mci::kInvalidDeviceName;
  if (sounding(command.device)) {
    Mix_PauseMusic();
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
  stream_.take(this, [this] {
    Mix_HaltMusic();
    current_.clear();
  });
  current_ = name;
  device.paused = false;
  Mix_PlayMusic(device.music, kPlayOnce);
}

void MciSequencer::closeDevice(std::map<std::string, Device>::iterator device) {
  if (current_ == device->first && stream_.heldBy(this)) {
    Mix_HaltMusic();
    stream_.leave(this);
    current_.clear();
  }
  Mix_FreeMusic(device->second.music);
  devices_.erase(device);
}

bool MciSequencer::sounding(const std::string& name) const {
  return current_ == name && stream_.heldBy(this) && Mix_PlayingMusic();
}

}  // namespace dwaalbos
