#include "soundgen/checks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "synth/envelopes.h"
#include "synth/filters.h"
#include "synth/loudness.h"

namespace dwaalbos::soundgen {

using namespace synth;

namespace {

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

double typicalLoudness(const std::vector<Written>& sounds) {
  std::vector<double> others;
  for (const Written& sound : sounds)
    if (!isStep(sound) && !sound.level.byPeak) others.push_back(loudestLoudness(sound.sound));
  std::sort(others.begin(), others.end());
  return others.empty() ? 0.0 : others[others.size() / 2];
}

void checkStep(const Written& step, double typical, std::vector<std::string>& problems) {
  const double below = typical - loudestLoudness(step.sound);
  if (below < 10.0 || below > 14.0) problems.push_back(problem(step, "dB under the others", below));
  const double total = energy(step.sound);
  const double low = energy(lowpass(lowpass(step.sound, constant(100.0)), constant(100.0))) / total;
  if (low > 0.1) problems.push_back(problem(step, "share of energy below 100 Hz", low));
  const double body = energy(bandpass(step.sound, constant(175.0), 1.2)) / total;
  if (body < 0.25) problems.push_back(problem(step, "share of energy at 120-250 Hz", body));
  const double crackle = energy(highpass(step.sound, constant(2000.0))) / total;
  if (crackle < 0.02) problems.push_back(problem(step, "share of crackle above 2 kHz", crackle));
  std::printf("%-8s %.1f dB under the others; energy %.0f %% below 100 Hz, %.0f %% at 120-250 Hz, "
              "%.0f %% above 2 kHz\n",
              step.file.c_str(), below, 100 * low, 100 * body, 100 * crackle);
}

// The creak of the key block follows the lock's clunk; it must be heard, not only measured.
void checkCreak(const Written& lock, std::vector<std::string>& problems) {
  const Signal creak(lock.sound.begin() + sampleCount(0.6), lock.sound.end());
  const double under = loudestLoudness(lock.sound) - loudestLoudness(creak);
  if (under > 8.0) problems.push_back(problem(lock, "dB the creak lies under the clunk", under));
  std::printf("%-8s the creak %.1f dB under the clunk\n", lock.file.c_str(), under);
}

}  // namespace

std::vector<std::string> soundProblems(const std::vector<Written>& sounds) {
  std::vector<std::string> problems;
  const double typical = typicalLoudness(sounds);
  for (const Written& sound : sounds) {
    const double loudness = loudestLoudness(sound.sound);
    std::printf("%-8s %6.1f LUFS  peak %5.1f dBFS\n", sound.file.c_str(), loudness,
                decibels(peak(sound.sound)));
    if (!sound.level.byPeak && std::abs(loudness - sound.level.loudnessDb) > 1.0)
      problems.push_back(problem(sound, "LUFS, off its target", loudness));
    if (isStep(sound)) checkStep(sound, typical, problems);
    if (sound.file == "11.wav") checkCreak(sound, problems);
  }
  return problems;
}

}  // namespace dwaalbos::soundgen
