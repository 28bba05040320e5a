#include "audio/cls_spc.h"

#include <filesystem>
#include <utility>

#include "audio/wave_out_errors.h"
#include "level/translation.h"

namespace dwaalbos {

namespace {

// The player's calling convention asks for this mode on both ends.
constexpr int kSpcMode = 3;
constexpr const char* kCrLf = "\r\n";

std::string initialisationText(int code) {
  return translated("sound", "Ik kan Zd-spc niet initialiseren!") + kCrLf + kCrLf +
         waveout::waveOutGetErrorText(code) + kCrLf +
         translated("sound", "Jammer, maar je kan Dwaalbos gelukkig toch nog doen!") + kCrLf +
         translated("sound",
                    "Waarschijnlijk ligt het aan je MCI-driver, maar ik weet niet wat "
                    "je eraan kan doen.");
}

}  // namespace

clsSPC::clsSPC(ZdSpcPlayer& player, Melding melding, std::string standaardTitel)
    : player_(player), melding_(std::move(melding)), standaardTitel_(std::move(standaardTitel)) {}

clsSPC::~clsSPC() {
  if (IsPlaying_) StopSPC();
}

void clsSPC::PlaySPC() {
  if (IsPlaying_) return;
  if (!FileExists(filename_)) {
    if (melding_)
      melding_(standaardTitel_, translated("sound", "Bestandsfout!") + kCrLf + kCrLf + filename_ +
                                    translated("sound", " bestaat niet!"));
    return;
  }
  const int result =
      player_.InitialiseSPC(kSpcMode, Channels_, Bits_, Frequency_, VolumeMultiplier_);
  if (result != waveout::kOk) {
    if (melding_) melding_("Zd-spc", initialisationText(result));
    return;
  }
  player_.LoadSPC(filename_);
  player_.PlaySPC();
  IsPlaying_ = true;
}

void clsSPC::verder() { player_.PlaySPC(); }

void clsSPC::Pause() { player_.PauseSPC(); }

void clsSPC::StopSPC() {
  player_.DeinitialiseSPC(kSpcMode);
  IsPlaying_ = false;
}

bool clsSPC::FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

}  // namespace dwaalbos
