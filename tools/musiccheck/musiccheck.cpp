// Plays the game's background music, as written into the game folder, through the game's own
// players with its sound effects laid on top, and fails when a piece would be heard wrongly:
// a pass that repeats itself too soon or too often, silent stretches, a dropout or a change of
// loudness where it starts over, a loudness off its target, steps lost under it, effects that
// do not stand 8-10 dB above it, or too little room left for the effects.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "musicgen/repetition.h"
#include "musicgen/tunes.h"
#include "rendering.h"
#include "soundgen/stacks.h"

namespace {

using namespace dwaalbos::musiccheck;
namespace fs = std::filesystem;

constexpr double kLoudness = -24.5;  // LUFS, integrated

// How far the effects stand above the music as played: the typical effect's loudest 400 ms
// against the loudest tune's integrated loudness.
constexpr double kLeastGap = 8.0;
constexpr double kMostGap = 10.0;
const char* const kEffectSlots[] = {"1.wav", "2.wav",  "3.wav",  "4.wav", "5.wav",
                                    "9.wav", "10.wav", "11.wav", "12.wav"};

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

// A dozen fanfares, or every other effect and every stack a move starts at once (in each of
// the ways its variants can fall), each on its own.
std::vector<Stack> effectsOnTop(const fs::path& game, bool fanfares) {
  if (fanfares) return std::vector<Stack>(12, Stack{"12.wav"});
  std::vector<Stack> stacks;
  for (const char* each :
       {"1.wav", "2.wav", "3.wav", "4.wav", "5.wav", "9.wav", "10.wav", "11.wav"})
    stacks.push_back({each});
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(game / "geluid"))
    files.push_back(entry.path().filename().string());
  for (const auto& stack : dwaalbos::soundgen::stacksStartedAtOnce())
    for (auto& way : dwaalbos::soundgen::stackFiles(stack, files)) stacks.push_back(way);
  return stacks;
}

// Quiet passages are fine; silence is not, until a piece that plays once has ended.
bool soundsThroughout(const Tune& tune, const Stereo& audio, double end) {
  for (double at = 0.0; at + 5.0 <= end; at += 5.0)
    if (rmsDb(audio, at, 5.0) <= -45.0)
      return fault(tune.file, "silent from " + std::to_string(at) + " s");
  return true;
}

// 8-10 dB under the effects (-15 LUFS as played), so they stand out above it.
bool loudnessRight(const Tune& tune, double integrated) {
  return std::abs(integrated - kLoudness) <= 1.0 || fault(tune.file, "loudness off its target");
}

// Where a looping piece starts over, the passages on either side are alike in loudness and
// nothing between them drops below the quiet end of what the piece plays.
bool loopsUnheard(const Tune& tune, const Stereo& audio) {
  const double dip = deepestDip(audio, tune.seconds);
  const double before = loudnessOf(audio, tune.seconds - 3.0, 3.0).integrated;
  const double after = loudnessOf(audio, tune.seconds, 3.0).integrated;
  std::vector<double> levels = momentaryLoudness(audio, 0.0, tune.seconds);
  std::nth_element(levels.begin(), levels.begin() + long(levels.size() / 20), levels.end());
  const double quiet = levels[levels.size() / 20];
  const std::vector<double> around = momentaryLoudness(audio, tune.seconds - 3.4, 6.4);
  const double lowest = *std::min_element(around.begin(), around.end());
  std::printf(
      "%s: at the seam the 10 ms level dips %.1f dB, 3 s before it %.1f LUFS, after it %.1f "
      "LUFS, the 400 ms loudness no lower than %.1f LUFS (the piece's 5th percentile %.1f)\n",
      tune.file, dip, before, after, lowest, quiet);
  bool good = dip < 20.0 || fault(tune.file, "a dropout at the seam");
  if (std::abs(before - after) > 2.0) good = fault(tune.file, "a change of loudness at the seam");
  if (lowest < quiet) good = fault(tune.file, "a dip at the seam");
  return good;
}

bool endsWell(const Tune& tune, const Stereo& audio) {
  if (!tune.loops)
    return rmsDb(audio, tune.seconds + 20.0, 20.0) < -60.0 || fault(tune.file, "does not end");
  return loopsUnheard(tune, audio);
}

// The typical effect stands 8-10 dB above the loudest piece, as both are played.
bool effectsStandOut(const fs::path& game, double loudestTune) {
  std::vector<double> effects;
  for (const char* file : kEffectSlots) effects.push_back(effectLoudness(game, file));
  std::nth_element(effects.begin(), effects.begin() + long(effects.size() / 2), effects.end());
  const double median = effects[effects.size() / 2];
  const double gap = median - loudestTune;
  std::printf("effects: the median loudest 400 ms %.1f LUFS, %.1f dB above the loudest tune\n",
              median, gap);
  return (gap >= kLeastGap && gap <= kMostGap) ||
         fault("effects", "not 8-10 dB above the loudest tune");
}

bool leavesRoomForEffects(const fs::path& game, const Tune& tune, const Stereo& audio) {
  const double withFanfares = truePeakWithEffectsOnTop(game, audio, effectsOnTop(game, true));
  const double withOthers = truePeakWithEffectsOnTop(game, audio, effectsOnTop(game, false));
  std::printf(
      "%s: true peak %.1f dBTP with fanfares, %.1f dBTP with other effects and stacks on top\n",
      tune.file, withFanfares, withOthers);
  return std::max(withFanfares, withOthers) <= -1.0 || fault(tune.file, "clips under the effects");
}

// Every variant of the step carries its crackle well above the music, in its loudest 140 ms
// against the music's median.
bool stepsHeardOver(const fs::path& game, const Tune& tune, const Stereo& audio) {
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

// The piece's integrated loudness as played goes to `integrated`.
bool heardRightly(const fs::path& game, const Tune& tune, double& integrated) {
  const double renderSeconds = tune.seconds + (tune.loops ? 5.0 : 45.0);
  const Stereo audio = renderThroughTheGame(game, tune.file, renderSeconds);
  // A piece that plays once may end the output early, as the game lets it rest then.
  if (double(audio.size()) / 2 / kRate < (tune.loops ? renderSeconds : tune.seconds) - 1.0)
    return fault(tune.file, "did not play");
  // What the output wrote while the piece was stopped is no part of it.
  const double end =
      tune.loops ? std::min(double(audio.size()) / 2 / kRate, renderSeconds) : tune.seconds;
  const dwaalbos::synth::ProgrammeLoudness heard = loudnessOf(audio, 0.0, end);
  std::printf("%s: integrated %.1f LUFS, loudest 3 s %.1f LUFS, true peak %.1f dBTP\n", tune.file,
              heard.integrated, heard.maxShortTerm, heard.truePeak);
  integrated = heard.integrated;
  return soundsThroughout(tune, audio, end) && loudnessRight(tune, heard.integrated) &&
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
  double loudest = -200.0;
  for (const Tune& each : tunes) {
    double integrated = -200.0;
    good = variedEnough(each) && heardRightly(argv[1], each, integrated) && good;
    loudest = std::max(loudest, integrated);
  }
  good = effectsStandOut(argv[1], loudest) && good;
  return good ? 0 : 1;
}
