#include "musicgen/voicing.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <stdexcept>

namespace dwaalbos::music {

namespace {

// At most four voices: a fifth is the first tone to leave a crowded chord, as in part writing.
std::vector<int> voicedClasses(const Chord& chord) {
  std::vector<int> classes = chord.pitchClasses();
  if (classes.size() > 4) classes.erase(classes.begin() + 2);
  return classes;
}

bool rubs(const std::vector<int>& pitches) {
  for (std::size_t i = 1; i < pitches.size(); ++i)
    if (pitches[i] - pitches[i - 1] < 2) return true;
  return false;
}

double cost(const std::vector<int>& pitches, const std::vector<int>& previous, int lowest,
            int highest) {
  double total = 0.0;
  if (previous.size() == pitches.size()) {
    for (std::size_t i = 0; i < pitches.size(); ++i) total += std::abs(pitches[i] - previous[i]);
  } else {
    for (int p : pitches) {
      int nearest = std::numeric_limits<int>::max();
      for (int q : previous) nearest = std::min(nearest, std::abs(p - q));
      total += previous.empty() ? 0 : nearest;
    }
  }
  // Keep the chord near the middle of its range and not spread too wide.
  double mean = 0.0;
  for (int p : pitches) mean += p;
  mean /= static_cast<double>(pitches.size());
  total += 0.3 * std::abs(mean - (lowest + highest) / 2.0);
  total += 0.5 * std::max(0, pitches.back() - pitches.front() - 12);
  return total;
}

void search(const std::vector<int>& classes, std::size_t index, std::vector<int>& chosen,
            int lowest, int highest, const std::vector<int>& previous, double& bestCost,
            std::vector<int>& best) {
  if (index == classes.size()) {
    std::vector<int> sorted = chosen;
    std::sort(sorted.begin(), sorted.end());
    if (rubs(sorted)) return;
    const double c = cost(sorted, previous, lowest, highest);
    if (c < bestCost) {
      bestCost = c;
      best = sorted;
    }
    return;
  }
  for (int p = placeAtOrAbove(classes[index], lowest); p <= highest; p += 12) {
    chosen.push_back(p);
    search(classes, index + 1, chosen, lowest, highest, previous, bestCost, best);
    chosen.pop_back();
  }
}

}  // namespace

int placeAtOrAbove(int pitchClass, int lowest) {
  return lowest + ((pitchClass - lowest) % 12 + 12) % 12;
}

std::vector<int> tonesFrom(const Chord& chord, int lowest, int count) {
  std::vector<int> classes = chord.pitchClasses();
  std::vector<int> candidates;
  for (int pc : classes)
    for (int p = placeAtOrAbove(pc, lowest); p < lowest + 12 * (count + 1); p += 12)
      candidates.push_back(p);
  std::sort(candidates.begin(), candidates.end());
  candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
  candidates.resize(std::min<std::size_t>(candidates.size(), static_cast<std::size_t>(count)));
  return candidates;
}

std::vector<int> voiceLead(const Chord& chord, const std::vector<int>& previous, int lowest,
                           int highest) {
  std::vector<int> chosen;
  std::vector<int> best;
  double bestCost = std::numeric_limits<double>::max();
  search(voicedClasses(chord), 0, chosen, lowest, highest, previous, bestCost, best);
  if (best.empty()) throw std::invalid_argument("no voicing fits the range for a chord");
  return best;
}

}  // namespace dwaalbos::music
