#pragma once

#include <string>

#include "audio/melding.h"
#include "audio/zdspc_player.h"

namespace dwaalbos {

// The game's SPC music: the settings handed to the SPC player, the file to play, and the
// messages when the file is gone or the player cannot start.
class clsSPC {
 public:
  clsSPC(ZdSpcPlayer& player, Melding melding, std::string standaardTitel);
  clsSPC(const clsSPC&) = delete;
  clsSPC& operator=(const clsSPC&) = delete;
  ~clsSPC();

  long Channels() const { return Channels_; }
  void Channels(long value) { Channels_ = value; }
  long Bits() const { return Bits_; }
  void Bits(long value) { Bits_ = value; }
  long Frequency() const { return Frequency_; }
  void Frequency(long value) { Frequency_ = value; }
  long VolumeMultiplier() const { return VolumeMultiplier_; }
  void VolumeMultiplier(long value) { VolumeMultiplier_ = value; }
  const std::string& filename() const { return filename_; }
  void filename(std::string value) { filename_ = std::move(value); }
  bool IsPlaying() const { return IsPlaying_; }

  void PlaySPC();
  void verder();
  void Pause();
  void StopSPC();

 private:
  static bool FileExists(const std::string& path);

  ZdSpcPlayer& player_;
  Melding melding_;
  std::string standaardTitel_;
  long Channels_ = 0;
  long Bits_ = 0;
  long Frequency_ = 0;
  long VolumeMultiplier_ = 0;
  bool IsPlaying_ = false;
  std::string filename_;
};

}  // namespace dwaalbos
