#include "audio/zdspc_player.h"

#include <SDL2/SDL_mixer.h>
#include <gme/gme.h>

#include <algorithm>
#include <limits>
#include <utility>

#include "audio/wave_out_errors.h"

namespace dwaalbos {

namespace {

constexpr int kBlockFrames = 512;
// Enough emulated blocks to fill any mixer buffer; a stuck converter cannot hang the mixer.
constexpr int kMaxBlocksPerFill = 64;

int checkFormat(long channels, long bits, long frequency, long volumeMultiplier) {
  if (channels != 1 && channels != 2) return waveout::kBadFormat;
  if (bits != 8 && bits != 16) return waveout::kBadFormat;
  if (frequency < 8000 || frequency > 192000) return waveout::kBadFormat;
  if (volumeMultiplier < 0 || volumeMultiplier > 64) return waveout::kInvalidParameter;
  return waveout::kOk;
}

short amplified(int sample, int factor) {
  const int loud = sample * factor;
  return static_cast<short>(std::clamp(loud, int{std::numeric_limits<short>::min()},
                                       int{std::numeric_limits<short>::max()}));
}

void appendSample(short sample, int bits, std::vector<Uint8>& out) {
  if (bits == 8) {
    out.push_back(static_cast<Uint8>((sample >> 8) + 128));
    return;
  }
  Uint8 bytes[2];
  SDL_memcpy(bytes, &sample, 2);
  out.insert(out.end(), bytes, bytes + 2);
}

// One frame of the emulator's stereo output in the player's format, appended to `out`.
void appendFrame(short left, short right, int channels, int bits, std::vector<Uint8>& out) {
  if (channels == 1) {
    appendSample(static_cast<short>((left + right) / 2), bits, out);
    return;
  }
  appendSample(left, bits, out);
  appendSample(right, bits, out);
}

Music_Emu* openSpc(const std::string& path, int frequency) {
  gme_type_t type = nullptr;
  if (gme_identify_file(path.c_str(), &type) != nullptr || type != gme_spc_type) return nullptr;
  Music_Emu* emu = gme_new_emu(gme_spc_type, frequency);
  if (emu == nullptr) return nullptr;
  // Background music goes on until the player stops it: no track length, no silence cut-off.
  gme_set_autoload_playback_limit(emu, 0);
  gme_ignore_silence(emu, 1);
  if (gme_load_file(emu, path.c_str()) != nullptr || gme_start_track(emu, 0) != nullptr) {
    gme_delete(emu);
    return nullptr;
  }
  return emu;
}

}  // namespace

ZdSpcPlayer::ZdSpcPlayer(MixerDevice& device, MusicStream& stream)
    : device_(device), stream_(stream) {}

ZdSpcPlayer::~ZdSpcPlayer() { DeinitialiseSPC(0); }

int ZdSpcPlayer::InitialiseSPC(int, long channels, long bits, long frequency,
                               long volumeMultiplier) {
  if (initialised_) return waveout::kAllocated;
  if (!device_.isOpen()) return waveout::kNoDriver;
  if (const int bad = checkFormat(channels, bits, frequency, volumeMultiplier); bad != 0)
    return bad;
  const MixerFormat& mixer = device_.format();
  SDL_AudioStream* converter =
      SDL_NewAudioStream(bits == 8 ? AUDIO_U8 : AUDIO_S16SYS, static_cast<Uint8>(channels),
                         static_cast<int>(frequency), mixer.format,
                         static_cast<Uint8>(mixer.channels), mixer.frequency);
  if (converter == nullptr) return waveout::kNoMemory;
  {
    std::lock_guard lock(mutex_);
    format_ = {static_cast<int>(channels), static_cast<int>(bits), static_cast<int>(frequency),
               static_cast<int>(volumeMultiplier)};
    converter_ = converter;
    playing_ = false;
    fade_.silence();
  }
  stream_.take(this, [this] { DeinitialiseSPC(0); });
  initialised_ = true;
  device_.hookMusic(&ZdSpcPlayer::hook, this);
  return waveout::kOk;
}

bool ZdSpcPlayer::LoadSPC(const std::string& path) {
  if (!initialised_) return false;
  Music_Emu* emu = openSpc(path, format_.frequency);
  if (emu == nullptr) return false;
  {
    std::lock_guard lock(mutex_);
    std::swap(emu_, emu);
    SDL_AudioStreamClear(converter_);
    playing_ = false;
    fade_.silence();
  }
  gme_delete(emu);
  return true;
}

void ZdSpcPlayer::PlaySPC() {
  device_.wake();
  std::lock_guard lock(mutex_);
  if (emu_ == nullptr) return;
  playing_ = true;
  fade_.fadeIn(device_.format().frequency);
}

void ZdSpcPlayer::PauseSPC() {
  std::lock_guard lock(mutex_);
  fade_.fadeOut(device_.format().frequency);
}

int ZdSpcPlayer::DeinitialiseSPC(int) {
  if (!initialised_) return waveout::kInvalidHandle;
  initialised_ = false;
  // Unhooking waits for a running fill, so the emulator can go safely afterwards.
  if (device_.isOpen()) {
    fadeOutAndUnhook(device_, mutex_, fade_, [this] { return emu_ != nullptr && playing_; });
  }
  stream_.leave(this);
  std::lock_guard lock(mutex_);
  gme_delete(emu_);
  emu_ = nullptr;
  SDL_FreeAudioStream(converter_);
  converter_ = nullptr;
  playing_ = false;
  return waveout::kOk;
}

void SDLCALL ZdSpcPlayer::hook(void* player, Uint8* stream, int len) {
  static_cast<ZdSpcPlayer*>(player)->fill(stream, len);
}

void ZdSpcPlayer::fill(Uint8* stream, int len) {
  std::lock_guard lock(mutex_);
  if (emu_ == nullptr || converter_ == nullptr || !playing_ || fade_.silent()) return;
  for (int block = 0; block < kMaxBlocksPerFill && SDL_AudioStreamAvailable(converter_) < len;
       ++block) {
    if (!convertMore()) return;
  }
  converted_.resize(static_cast<std::size_t>(len));
  const int got = SDL_AudioStreamGet(converter_, converted_.data(), len);
  if (got <= 0) return;
  // The mixer's output is 16-bit (mixer_device.cpp).
  const int channels = device_.format().channels;
  fade_.apply(reinterpret_cast<std::int16_t*>(converted_.data()), got / 2 / channels, channels,
              stream_.level());
  SDL_MixAudioFormat(stream, converted_.data(), device_.format().format, static_cast<Uint32>(got),
                     SDL_MIX_MAXVOLUME);
  device_.heard();
}

bool ZdSpcPlayer::convertMore() {
  emulated_.resize(2 * kBlockFrames);
  if (gme_play(emu_, 2 * kBlockFrames, emulated_.data()) != nullptr) return false;
  block_.clear();
  for (int frame = 0; frame < kBlockFrames; ++frame)
    appendFrame(amplified(emulated_[2 * frame], format_.volumeMultiplier),
                amplified(emulated_[2 * frame + 1], format_.volumeMultiplier), format_.channels,
                format_.bits, block_);
  return SDL_AudioStreamPut(converter_, block_.data(), static_cast<int>(block_.size())) == 0;
}

}  // namespace dwaalbos
