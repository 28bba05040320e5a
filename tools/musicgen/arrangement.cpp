#include "musicgen/arrangement.h"

#include <algorithm>
#include <stdexcept>

#include "musicgen/voicing.h"

namespace dwaalbos::music {

namespace {

// A small, fixed unevenness in loudness, so repeated figures do not sound machine-made.
int humanised(int velocity, int step, int salt) {
  const unsigned hash = static_cast<unsigned>(step * 7919 + salt * 104729) * 2654435761u;
  return std::clamp(velocity + static_cast<int>(hash >> 29) - 3, 1, 127);
}

// A later note of the same pitch cuts an earlier one short: one key cannot sound twice.
void separateRepeats(std::vector<Note>& notes) {
  std::stable_sort(notes.begin(), notes.end(),
                   [](const Note& a, const Note& b) { return a.start < b.start; });
  for (std::size_t i = 0; i < notes.size(); ++i)
    for (std::size_t j = i + 1; j < notes.size() && notes[j].start < notes[i].end(); ++j)
      if (notes[j].pitch == notes[i].pitch)
        notes[i].length = std::max(1, notes[j].start - notes[i].start);
}

}  // namespace

Passage::Passage(Arranger& arranger, int start, std::vector<Chord> chords, int semitones)
    : arranger_(arranger), start_(start), length_(lengthOf(chords)), chords_(std::move(chords)),
      semitones_(semitones) {}

void Passage::add(Instrument instrument, Note note) {
  note.start += start_;
  if (!isPercussion(instrument)) note.pitch += semitones_;
  arranger_.parts_[instrument].push_back(note);
}

Passage& Passage::melody(Instrument instrument, std::string_view notes, int velocity) {
  const Melody tune = parseMelody(notes, arranger_.stepsPerBar_, velocity);
  if (tune.length != length_)
    throw std::invalid_argument("melody lasts " + std::to_string(tune.length) +
                                " steps, its chords " + std::to_string(length_));
  arranger_.tunes_.push_back({start_, length_, tune.notes});
  for (Note note : tune.notes) {
    if (note.start % arranger_.stepsPerBar_ == 0) note.velocity = std::min(127, note.velocity + 5);
    add(instrument, note);
  }
  return *this;
}

Passage& Passage::held(Instrument instrument, int lowest, int highest, int velocity) {
  std::vector<int> previous;
  std::vector<std::size_t> sounding;  // indices of the notes of the previous chord
  auto& part = arranger_.parts_[instrument];
  for (const Chord& chord : chords_) {
    const std::vector<int> voicing = voiceLead(chord, previous, lowest, highest);
    if (voicing == previous) {
      // The same chord again: hold on rather than bowing it anew.
      for (std::size_t index : sounding) part[index].length += chord.length;
      continue;
    }
    sounding.clear();
    for (int pitch : voicing) {
      add(instrument, {chord.start, chord.length, pitch, humanised(velocity, chord.start, pitch)});
      sounding.push_back(part.size() - 1);
    }
    previous = voicing;
  }
  return *this;
}

Passage& Passage::broken(Instrument instrument, const std::vector<int>& pattern, int stepsPerNote,
                         int ring, int lowest, int velocity) {
  const int highestIndex = *std::max_element(pattern.begin(), pattern.end());
  for (const Chord& chord : chords_) {
    const std::vector<int> tones = tonesFrom(chord, lowest, highestIndex + 1);
    for (int at = 0, i = 0; at < chord.length; at += stepsPerNote, ++i) {
      const int step = chord.start + at;
      // Damped at the next chord, where a ringing tone of this one could rub against it.
      const int length = std::min(ring, chord.length - at);
      const int accent = at == 0 ? 6 : 0;
      add(instrument, {step, length, tones[pattern[i % pattern.size()]],
                       humanised(velocity + accent, step, 1)});
    }
  }
  return *this;
}

Passage& Passage::bass(Instrument instrument, const std::vector<BassHit>& pattern, int lowest,
                       int velocity) {
  for (const Chord& chord : chords_) {
    const int low = placeAtOrAbove(chord.bass, lowest);
    for (const BassHit& hit : pattern) {
      if (hit.step >= chord.length) continue;
      int pitch = low;
      if (hit.degree == BassHit::Fifth) pitch = placeAtOrAbove((chord.root + 7) % 12, low + 1);
      if (hit.degree == BassHit::Octave) pitch = low + 12;
      const int step = chord.start + hit.step;
      add(instrument, {step, std::min(hit.length, chord.length - hit.step), pitch,
                       humanised(velocity, step, 2)});
    }
  }
  return *this;
}

Passage& Passage::descant(Instrument instrument, int lowest, int highest, int stepsPerNote,
                          int velocity) {
  int previous = highest;
  int direction = -1;
  for (const Chord& chord : chords_) {
    for (int at = 0; at < chord.length; at += stepsPerNote) {
      // The nearest chord tone onwards in the line's direction; at the edge of the range the
      // line turns, so it drifts slowly down and up again.
      std::vector<int> tones;
      for (int pc : chord.pitchClasses())
        for (int p = placeAtOrAbove(pc, lowest); p <= highest; p += 12) tones.push_back(p);
      std::sort(tones.begin(), tones.end());
      const auto onwards = [&]() -> int {
        if (direction < 0) {
          const auto below = std::lower_bound(tones.begin(), tones.end(), previous);
          return below == tones.begin() ? -1 : *(below - 1);
        }
        const auto above = std::upper_bound(tones.begin(), tones.end(), previous);
        return above == tones.end() ? -1 : *above;
      };
      int pitch = onwards();
      if (pitch < 0) {
        direction = -direction;
        pitch = onwards();
      }
      const int step = chord.start + at;
      add(instrument,
          {step, std::min(stepsPerNote, chord.length - at), pitch, humanised(velocity, step, 3)});
      previous = pitch;
    }
  }
  return *this;
}

Passage& Passage::rhythm(Instrument instrument, std::string_view bar, int velocity) {
  constexpr int kPercussionPitch = 60;
  if (static_cast<int>(bar.size()) != arranger_.stepsPerBar_)
    throw std::invalid_argument("a rhythm needs one character per step of a bar");
  for (int step = 0; step < length_; ++step) {
    const char hit = bar[static_cast<std::size_t>(step % arranger_.stepsPerBar_)];
    if (hit == '.') continue;
    add(instrument,
        {step, 1, kPercussionPitch, humanised(velocity + (hit == 'X' ? 18 : 0), step, 4)});
  }
  return *this;
}

Arranger::Arranger(std::string title, int beatsPerMinute, int stepsPerBar)
    : title_(std::move(title)), beatsPerMinute_(beatsPerMinute), stepsPerBar_(stepsPerBar) {}

Passage Arranger::passage(std::string_view chords, int semitones) {
  std::vector<Chord> parsed = parseChords(chords, stepsPerBar_);
  const int start = length_;
  length_ += lengthOf(parsed);
  if (length_ % stepsPerBar_ != 0) throw std::invalid_argument("a passage must fill whole bars");
  return Passage(*this, start, std::move(parsed), semitones);
}

Song Arranger::song() const {
  Song song{title_, beatsPerMinute_, stepsPerBar_, length_, {}, tunes_};
  for (auto [instrument, notes] : parts_) {
    separateRepeats(notes);
    song.tracks.push_back({instrument, notes});
  }
  return song;
}

}  // namespace dwaalbos::music
