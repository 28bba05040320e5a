#include "musicgen/lanes.h"

#include <algorithm>

namespace dwaalbos::music {

std::vector<std::vector<Note>> splitIntoLanes(const std::vector<Note>& notes) {
  std::vector<Note> sorted = notes;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const Note& a, const Note& b) { return a.start < b.start; });
  std::vector<std::vector<Note>> lanes;
  for (const Note& note : sorted) {
    // The lane free the longest gives a ringing note the most time before it is cut.
    std::vector<Note>* chosen = nullptr;
    for (auto& lane : lanes)
      if (lane.back().end() <= note.start && (!chosen || lane.back().end() < chosen->back().end()))
        chosen = &lane;
    if (chosen) {
      chosen->push_back(note);
    } else {
      lanes.push_back({note});
    }
  }
  return lanes;
}

}  // namespace dwaalbos::music
