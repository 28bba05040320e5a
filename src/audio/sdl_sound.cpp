#include "audio/sdl_sound.h"

#include <algorithm>
#include <utility>

#include "level/game_paths.h"

namespace dwaalbos {

namespace {
// The title of a message box that names none of its own.
constexpr const char* kProgramTitle = "Dwaalbos";
}  // namespace

SdlSound::SdlSound(const std::string& gameFolder, Melding melding)
    : effects_(device_, GamePaths(gameFolder).sounds()), songs_(device_, stream_),
      sequencer_(device_, stream_), midi_(sequencer_), spcPlayer_(device_, stream_),
      spc_(spcPlayer_, std::move(melding), kProgramTitle), muziek_(songs_, midi_, spc_) {}

SdlSound::~SdlSound() { sluitgeluid(); }

// The synthesiser loads its soundfont in the background from here on.
void SdlSound::initgeluid() {
  effects_.initgeluid();
  sequencer_.prepare();
}

void SdlSound::speelgeluid(int slot) { effects_.speelgeluid(slot); }

// Every player lets go of the output before it closes.
void SdlSound::sluitgeluid() {
  muziek_.stopmuziek();
  sequencer_.release();
  songs_.release();
  effects_.sluitgeluid();
}

void SdlSound::speelmuziek(const std::string& path) { muziek_.speelmuziek(path); }

void SdlSound::pauzeermuziek() { muziek_.pauzeermuziek(); }

void SdlSound::hervatmuziek() { muziek_.hervatmuziek(); }

void SdlSound::stopmuziek() { muziek_.stopmuziek(); }

bool SdlSound::muziekpauze() const { return muziek_.Muziekpauze(); }

namespace {
// A slider's percentage as a gain that sounds evenly spaced: half way is 12 dB down.
double gainOf(int percent) {
  const double part = std::clamp(percent, 0, 100) / 100.0;
  return part * part;
}
}  // namespace

void SdlSound::geluidssterkte(int muziek, int geluid) {
  stream_.setLevel(gainOf(muziek));
  effects_.volume(gainOf(geluid));
}

}  // namespace dwaalbos
