#include "audio/module_songs.h"

#include <SDL2/SDL_mixer.h>
#include <libopenmpt/libopenmpt.h>

#include <chrono>
#include <vector>

#include "audio/file_bytes.h"

namespace dwaalbos {

namespace {

constexpr std::int32_t kRepeatForever = -1;

bool isModule(const std::vector<char>& file) {
  return openmpt_probe_file_header(OPENMPT_PROBE_FILE_HEADER_FLAGS_DEFAULT, file.data(),
                                   file.size(), file.size(), openmpt_log_func_silent, nullptr,
                                   nullptr, nullptr, nullptr,
                                   nullptr) == OPENMPT_PROBE_FILE_HEADER_RESULT_SUCCESS;
}

openmpt_module* loadModule(std::vector<char> file) {
  openmpt_module* module =
      openmpt_module_create_from_memory2(file.data(), file.size(), openmpt_log_func_silent, nullptr,
                                         nullptr, nullptr, nullptr, nullptr, nullptr);
  if (module != nullptr) openmpt_module_set_repeat_count(module, kRepeatForever);
  return module;
}

}  // namespace

ModuleSongs::ModuleSongs(MixerDevice& device, MusicStream& stream)
    : device_(device), stream_(stream) {}

ModuleSongs::~ModuleSongs() { release(); }

ModuleSongs::Handle ModuleSongs::speelsong(const std::string& naam) {
  if (!device_.isOpen()) return 0;
  std::vector<char> file = readFileBytes(naam);
  if (!isModule(file)) return 0;
  const Handle song = next_++;
  songs_[song] = std::async(std::launch::async, loadModule, std::move(file)).share();
  stream_.take(this, [this] { halt(); });
  {
    std::lock_guard lock(mutex_);
    loading_ = songs_[song];
    playing_ = nullptr;
    paused_ = false;
    fade_.fadeIn(device_.format().frequency);
  }
  current_ = song;
  device_.hookMusic(&ModuleSongs::hook, this);
  return song;
}

void ModuleSongs::stopsong(Handle song) {
  const auto found = songs_.find(song);
  if (found == songs_.end()) return;
  if (isCurrent(song)) {
    halt();
    stream_.leave(this);
  }
  // Waits only for a song stopped within milliseconds of its start.
  openmpt_module_destroy(found->second.get());
  songs_.erase(found);
}

void ModuleSongs::pauzeersong(Handle song) {
  if (!isCurrent(song)) return;
  device_.wake();
  std::lock_guard lock(mutex_);
  paused_ = !paused_;
  if (paused_) fade_.fadeOut(device_.format().frequency);
  else fade_.fadeIn(device_.format().frequency);
}

void ModuleSongs::release() {
  while (!songs_.empty()) stopsong(songs_.begin()->first);
}

// Unhooking waits for a running fill, so the song can be freed safely afterwards.
void ModuleSongs::halt() {
  if (device_.isOpen()) {
    fadeOutAndUnhook(device_, mutex_, fade_, [this] { return playing_ != nullptr; });
  }
  std::lock_guard lock(mutex_);
  loading_ = {};
  playing_ = nullptr;
  current_ = 0;
}

void SDLCALL ModuleSongs::hook(void* songs, Uint8* stream, int len) {
  static_cast<ModuleSongs*>(songs)->fill(stream, len);
}

// The output is 16-bit stereo (mixer_device.cpp), so the song renders straight into it.
void ModuleSongs::fill(Uint8* stream, int len) {
  std::lock_guard lock(mutex_);
  const bool read =
      loading_.valid() && loading_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
  if (playing_ == nullptr && read) playing_ = loading_.get();
  if (!loading_.valid() || fade_.silent() || (read && playing_ == nullptr)) return;
  device_.heard();  // a song still being read is about to sound
  if (playing_ == nullptr) return;
  auto* out = reinterpret_cast<std::int16_t*>(stream);
  openmpt_module_read_interleaved_stereo(playing_, device_.format().frequency,
                                         static_cast<std::size_t>(len) / 4, out);
  fade_.apply(out, len / 4, 2, stream_.level());
}

bool ModuleSongs::isCurrent(Handle song) const {
  return song != 0 && song == current_ && stream_.heldBy(this) && device_.isOpen();
}

}  // namespace dwaalbos
