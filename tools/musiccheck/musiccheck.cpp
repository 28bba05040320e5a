// Plays the game's background music, as written into the game folder, through the game's own
// players with its sound effects laid on top, and fails when a piece would be heard wrongly:
// a pass that repeats itself too soon or too often, silent stretches, a dropout where it starts
// over, a loudness off its target, steps lost under it, or too little room left for the effects.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "musicgen/repetition.h"
#include "musicgen/tunes.h"
#include "rendering.h"

namespace {

using namespace dwaalbos::musiccheck;

constexpr double kLoudness = -28.0;  // LUFS, integrated

// A pass shorter than this, or a phrase or melody heard more often in it, wears out while a
// player sits over one level.
constexpr double kShortestPass = 300.0;  // seconds
constexpr int kMostPhraseRepeats = 3;    // of one 8-bar phrase
constexpr int kMostSectionsOfOneMelody = 6;

struct Tune {
  const char* file;
  double seconds;  // where it starts over, or ends when it plays once
  bool loops;
  int mostRepeatedPhrase;  // times per pass
  int mostSectionsOfOneMelody;
};

bool fault(const char* tune, const std::string& what) {
  std::fprintf(stderr, "dwaalbos-musiccheck: %s: %s\n", tune, what.c_str());
  return false;
}

std::vector<std::string> effectsOnTop(bool fanfares) {
  if (fanfares) return std::vector<std::string>(12, "12.wav");
  const char* others[] = {"1.wav", "2.wav", "3.wav", "4.wav", "5.wav", "9.wav", "10.wav", "11.wav"};
  std::vector<std::string> effects;
  for (int i = 0; i < 20; ++i) effects.push_back(others[i % 8]);
  return effects;
}

// Quiet passages are fine; silence is not, until a piece that plays once has ended.
bool soundsThroughout(const Tune& tune, const Stereo& audio, double end) {
  for (double at = 0.0; at + 5.0 <= end; at += 5.0)
    if (rmsDb(audio, at, 5.0) <= -45.0)
      return fault(tune.file, "silent from " + std::to_string(at) + " s");
  return true;
}

// About 10 dB under the effects (-18 LUFS as played), so they stand out above it.
bool loudnessRight(const Tune& tune, const Stereo& audio, double end) {
  const dwaalbos::synth::ProgrammeLoudness heard = loudnessOf(audio, 0.0, end);
  std::printf("%s: integrated %.1f LUFS, loudest 3 s %.1f LUFS, true peak %.1f dBTP\n", tune.file,
              heard.integrated, heard.maxShortTerm, heard.truePeak);
  return std::abs(heard.integrated - kLoudness) <= 1.0 ||
         fault(tune.file, "loudness off its target");
}

bool endsWell(const Tune& tune, const Stereo& audio) {
  if (!tune.loops)
    return rmsDb(audio, tune.seconds + 20.0, 20.0) < -60.0 || fault(tune.file, "does not end");
  const double dip = deepestDip(audio, tune.seconds);
  std::printf("%s: the 10 ms level dips %.1f dB at the seam\n", tune.file, dip);
  return dip < 20.0 || fault(tune.file, "a dropout at the seam");
}

bool leavesRoomForEffects(const std::filesystem::path& game, const Tune& tune,
                          const Stereo& audio) {
  const double withFanfares = truePeakWithEffectsOnTop(game, audio, effectsOnTop(true));
  const double withOthers = truePeakWithEffectsOnTop(game, audio, effectsOnTop(false));
  std::printf("%s: true peak %.1f dBTP with fanfares, %.1f dBTP with other effects on top\n",
              tune.file, withFanfares, withOthers);
  return std::max(withFanfares, withOthers) <= -1.0 || fault(tune.file, "clips under the effects");
}

// Every variant of the step carries its crackle well above the music, in its loudest 140 ms
// against the music's median.
bool stepsHeardOver(const std::filesystem::path& game, const Tune& tune, const Stereo& audio) {
  std::vector<double> music = presenceLevels(audio);
  std::nth_element(music.begin(), music.begin() + long(music.size() / 2), music.end());
  const double median = music.empty() ? -200.0 : music[music.size() / 2];
  bool good = true;
  for (const char* step : {"5.wav", "5_2.wav", "5_3.wav", "5_4.wav"}) {
    const std::vector<double> levels = presenceLevels(game, step);
    const double above =
        (levels.empty() ? -200.0 : *std::max_element(levels.begin(), levels.end())) - median;
    std::printf("%s: %s %.1f dB above the music at 1-4 kHz\n", tune.file, step, above);
    if (above < 6.0)
      good = fault(tune.file, std::string(step) + " lost under the music at 1-4 kHz");
  }
  return good;
}

bool variedEnough(const Tune& tune) {
  std::printf(
      "%s: a pass of %.0f s, its most repeated 8-bar phrase heard %d times, one melody in %d "
      "sections\n",
      tune.file, tune.seconds, tune.mostRepeatedPhrase, tune.mostSectionsOfOneMelody);
  bool good = true;
  if (tune.seconds < kShortestPass) good = fault(tune.file, "a pass under five minutes");
  if (tune.mostRepeatedPhrase > kMostPhraseRepeats)
    good = fault(tune.file, "an 8-bar phrase more than 3 times in a pass");
  if (tune.mostSectionsOfOneMelody > kMostSectionsOfOneMelody)
    good = fault(tune.file, "one melody in more than 6 sections");
  return good;
}

bool heardRightly(const std::filesystem::path& game, const Tune& tune) {
  const double renderSeconds = tune.seconds + (tune.loops ? 5.0 : 45.0);
  const Stereo audio = renderThroughTheGame(game, tune.file, renderSeconds);
  if (double(audio.size()) / 2 / kRate < renderSeconds - 1.0)
    return fault(tune.file, "did not play");
  const double end = tune.loops ? double(audio.size()) / 2 / kRate : tune.seconds;
  return soundsThroughout(tune, audio, end) && loudnessRight(tune, audio, end) &&
         endsWell(tune, audio) && stepsHeardOver(game, tune, audio) &&
         leavesRoomForEffects(game, tune, audio);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: dwaalbos-musiccheck <game folder>\n");
    return 2;
  }
  using namespace dwaalbos::music;
  const auto tune = [](const char* file, const Song& song, bool loops) {
    return Tune{file, song.seconds(), loops, mostRepeatedPhrase(song),
                mostSectionsWithOneMelody(song)};
  };
  const Tune tunes[] = {tune("Bospad.xm", bospad(), true), tune("Mos.spc", mos(), true),
                        tune("Dauw.mid", dauw(), false)};
  bool good = true;
  for (const Tune& each : tunes) good = variedEnough(each) && heardRightly(argv[1], each) && good;
  return good ? 0 : 1;
}
