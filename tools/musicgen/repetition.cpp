#include "musicgen/repetition.h"

#include <algorithm>
#include <map>
#include <set>
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

// A voice that is silent for most of the stretch, say a last note before it rests, has said too
// little for the stretch to count as a phrase.
bool saysSomething(const Phrase& phrase, int bars, int stepsPerBar) {
  std::set<int> sounding;
  for (const auto& [step, interval] : phrase) sounding.insert(step / stepsPerBar);
  return 2 * static_cast<int>(sounding.size()) >= bars;
}

// One bar of a written tune: its shape, and where it lies.
struct Bar {
  Phrase shape;
  int firstPitch;
};

std::vector<Bar> barsOf(const WrittenTune& tune, int stepsPerBar) {
  std::vector<Bar> bars;
  for (int from = 0; from < tune.length; from += stepsPerBar) {
    const auto first = std::find_if(tune.notes.begin(), tune.notes.end(),
                                    [&](const Note& note) { return note.start >= from; });
    Phrase shape = phraseAt(tune.notes, from, from + stepsPerBar);
    const int firstPitch = shape.empty() ? 0 : first->pitch;
    bars.push_back({std::move(shape), firstPitch});
  }
  return bars;
}

bool alike(const std::vector<Bar>& a, const std::vector<Bar>& b) {
  if (a.size() != b.size()) return false;
  std::map<int, int> barsPerInterval;
  int most = 0;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (!a[i].shape.empty() && a[i].shape == b[i].shape)
      most = std::max(most, ++barsPerInterval[b[i].firstPitch - a[i].firstPitch]);
  return 2 * most >= static_cast<int>(a.size());
}

}  // namespace

int mostSectionsWithOneMelody(const Song& song) {
  std::vector<std::vector<Bar>> tunes;
  for (const WrittenTune& tune : song.tunes) tunes.push_back(barsOf(tune, song.stepsPerBar));
  int most = 0;
  for (const auto& one : tunes)
    most = std::max(
        most, static_cast<int>(std::count_if(tunes.begin(), tunes.end(), [&](const auto& other) {
          return alike(one, other);
        })));
  return most;
}

int mostRepeatedPhrase(const Song& song, int bars) {
  const int length = bars * song.stepsPerBar;
  std::map<Phrase, int> heard;
  int most = 0;
  for (const Track& track : song.tracks) {
    if (!carriesTheTune(track.instrument)) continue;
    for (int from = 0; from + length <= song.lengthSteps; from += song.stepsPerBar) {
      const Phrase phrase = phraseAt(track.notes, from, from + length);
      if (saysSomething(phrase, bars, song.stepsPerBar)) most = std::max(most, ++heard[phrase]);
    }
  }
  return most;
}

}  // namespace dwaalbos::music
