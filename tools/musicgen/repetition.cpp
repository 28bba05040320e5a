#include "musicgen/repetition.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace dwaalbos::music {

namespace {

using Phrase = std::vector<std::pair<int, int>>;  // step within the stretch, interval

// The voices that can carry the tune; the held chords and the bass only accompany it.
bool carriesTheTune(Instrument instrument) {
  return instrument == Instrument::Flute || instrument == Instrument::Clarinet ||
         instrument == Instrument::Harp;
}

Phrase phraseAt(const std::vector<Note>& notes, int from, int to) {
  Phrase phrase;
  int first = 0;
  for (const Note& note : notes) {
    if (note.start < from || note.start >= to) continue;
    if (phrase.empty()) first = note.pitch;
    phrase.emplace_back(note.start - from, note.pitch - first);
  }
  return phrase;
}

}  // namespace

int mostRepeatedPhrase(const Song& song, int bars) {
  const int length = bars * song.stepsPerBar;
  std::map<Phrase, int> heard;
  int most = 0;
  for (const Track& track : song.tracks) {
    if (!carriesTheTune(track.instrument)) continue;
    for (int from = 0; from + length <= song.lengthSteps; from += song.stepsPerBar) {
      const Phrase phrase = phraseAt(track.notes, from, from + length);
      if (!phrase.empty()) most = std::max(most, ++heard[phrase]);
    }
  }
  return most;
}

}  // namespace dwaalbos::music
