#include "soundgen/checks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "soundgen/stacks.h"
#include "synth/envelopes.h"
#include "synth/filters.h"
#include "synth/loudness.h"

namespace dwaalbos::soundgen {

using namespace synth;

namespace {

// What the sounds of one move may reach together, leaving the music room to the -1 dBTP that
// keeps any mix of them from clipping.
constexpr double kStackPeakLimit = -3.5;

bool isStep(const Written& sound) { return sound.file.starts_with("5"); }

double energy(const Signal& sound) {
  double sum = 0.0;
  for (double s : sound) sum += s * s;
  return sum;
}

std::string problem(const Written& sound, const char* what, double value) {
  char text[160];
  std::snprintf(text, sizeof text, "%s: %s (%.2f)", sound.file.c_str(), what, value);
  return text;
}

void checkStep(const Written& step, std::vector<std::string>& problems) {
  const double total = energy(step.sound);
  const double low = energy(lowpass(lowpass(step.sound, constant(100.0)), constant(100.0))) / total;
  if (low > 0.1) problems.push_back(problem(step, "share of energy below 100 Hz", low));
  const double body = energy(bandpass(step.sound, constant(175.0), 1.2)) / total;
  if (body < 0.25) problems.push_back(problem(step, "share of energy at 120-250 Hz", body));
  const double crackle = energy(highpass(step.sound, constant(2000.0))) / total;
  if (crackle < 0.02) problems.push_back(problem(step, "share of crackle above 2 kHz", crackle));
  std::printf("%-8s energy %.0f %% below 100 Hz, %.0f %% at 120-250 Hz, %.0f %% above 2 kHz\n",
              step.file.c_str(), 100 * low, 100 * body, 100 * crackle);
}

// The share of a sound's energy between `low` and `high` Hz (0 for no bound), by filters of
// the fourth order.
double bandShare(const Signal& sound, double low, double high) {
  Signal band = sound;
  if (low > 0.0) band = highpass(highpass(band, constant(low)), constant(low));
  if (high > 0.0) band = lowpass(lowpass(band, constant(high)), constant(high));
  return energy(band) / energy(sound);
}

// Sounds that come in a row or on small speakers: the jingle must not pierce, the knock must
// carry without its low body.
void checkBalance(const Written& sound, std::vector<std::string>& problems) {
  if (sound.file == "10.wav") {
    const double below = bandShare(sound.sound, 0.0, 2000.0);
    std::printf("%-8s %.0f %% of the energy below 2 kHz\n", sound.file.c_str(), 100 * below);
    if (below < 0.5) problems.push_back(problem(sound, "share of energy below 2 kHz", below));
  }
  if (sound.file == "4.wav") {
    const double click = bandShare(sound.sound, 500.0, 1500.0);
    std::printf("%-8s %.0f %% of the energy at 500-1500 Hz\n", sound.file.c_str(), 100 * click);
    if (click < 0.2) problems.push_back(problem(sound, "share of energy at 500-1500 Hz", click));
  }
}

// The creak of the key block follows the lock's clunk; it must be heard, not only measured.
void checkCreak(const Written& lock, std::vector<std::string>& problems) {
  const Signal creak(lock.sound.begin() + sampleCount(0.6), lock.sound.end());
  const double under = loudestLoudness(lock.sound) - loudestLoudness(creak);
  if (under > 8.0) problems.push_back(problem(lock, "dB the creak lies under the clunk", under));
  std::printf("%-8s the creak %.1f dB under the clunk\n", lock.file.c_str(), under);
}

// The sounds one move starts together must leave the music room on top of them.
void checkStacks(const std::vector<Written>& sounds, std::vector<std::string>& problems) {
  std::vector<std::string> files;
  for (const Written& sound : sounds) files.push_back(sound.file);
  const auto find = [&](const std::string& file) {
    return std::find_if(sounds.begin(), sounds.end(),
                        [&](const Written& s) { return s.file == file; });
  };
  for (const Stack& stack : stacksStartedAtOnce()) {
    double worst = -200.0;
    for (const auto& way : stackFiles(stack, files)) {
      Signal together;
      for (const std::string& file : way) mixInto(together, find(file)->sound, 0.0);
      worst = std::max(worst, programmeLoudness(inBothChannels(together), 2).truePeak);
    }
    std::printf("%-16s started together peak at %5.1f dBTP\n", stack.what, worst);
    if (worst > kStackPeakLimit) {
      char text[160];
      std::snprintf(text, sizeof text, "%s: dBTP of the sounds started together (%.2f)", stack.what,
                    worst);
      problems.push_back(text);
    }
  }
}

}  // namespace

std::vector<std::string> soundProblems(const std::vector<Written>& sounds) {
  std::vector<std::string> problems;
  for (const Written& sound : sounds) {
    const double loudness = loudestLoudness(sound.sound, sound.level.windowSeconds);
    const ProgrammeLoudness played = programmeLoudness(inBothChannels(sound.sound), 2);
    std::printf(
        "%-8s %6.1f LUFS over %3.0f ms, integrated %6.1f LUFS, short-term %6.1f LUFS, "
        "true peak %5.1f dBTP\n",
        sound.file.c_str(), loudness, 1000 * sound.level.windowSeconds, played.integrated,
        played.maxShortTerm, played.truePeak);
    if (std::abs(loudness - sound.level.loudnessDb) > sound.level.toleranceDb)
      problems.push_back(problem(sound, "LUFS, off its target", loudness));
    if (isStep(sound)) checkStep(sound, problems);
    if (sound.file == "11.wav") checkCreak(sound, problems);
    checkBalance(sound, problems);
  }
  checkStacks(sounds, problems);
  return problems;
}

}  // namespace dwaalbos::soundgen
