#include "musicgen/spc_events.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace dwaalbos::music {

namespace {

// Scales a note's level to the voice volume registers (signed, so at most 127), leaving the music
// about 10 dB under the sound effects.
constexpr double kVoiceVolume = 82.0;

struct Event {
  int frame;
  int order;  // releases go before key-ons in the same frame
  std::vector<std::uint8_t> bytes;
};

std::uint8_t volume(double level) {
  return static_cast<std::uint8_t>(std::clamp(std::lround(level), 0L, 127L));
}

void addNotes(std::vector<Event>& events, const ChipVoice& voice, int v, int framesPerStep,
              int lengthFrames) {
  const auto& notes = voice.notes;
  for (std::size_t i = 0; i < notes.size(); ++i) {
    const Note& note = notes[i];
    const int start = note.start * framesPerStep;
    const double level =
        kVoiceVolume * voice.place.level * voice.instrument.loudness * note.velocity / 127.0;
    events.push_back(
        {start,
         1,
         {static_cast<std::uint8_t>(0x80 + v), static_cast<std::uint8_t>(voice.instrumentIndex),
          static_cast<std::uint8_t>(note.pitch),
          volume(level * std::min(1.0, 1.0 - voice.place.pan)),
          volume(level * std::min(1.0, 1.0 + voice.place.pan))}});

    // The next note on this voice, the first one again after the loop for the last.
    const int next = i + 1 < notes.size() ? notes[i + 1].start * framesPerStep
                                          : lengthFrames + notes.front().start * framesPerStep;
    const ChipInstrument& instrument = voice.instrument;
    const int hurry = std::clamp(next - instrument.hurriedFrames, start + 1, lengthFrames - 1);
    const int end = std::clamp(note.end() * framesPerStep, start + 1, lengthFrames - 1);
    const auto release = [&](int frame, std::uint8_t gain) {
      events.push_back({frame, 0, {static_cast<std::uint8_t>(0xC0 + v), gain}});
    };
    // Let go in the instrument's own time; if that would still be sounding when the next note
    // begins, silence it quickly just before, so the key-on does not cut it off with a click.
    if (end < hurry) release(end, instrument.releaseGain);
    if (end >= hurry || next - end < instrument.releaseFrames)
      release(hurry, instrument.hurriedGain);
  }
}

void addWait(std::vector<std::uint8_t>& out, int frames) {
  for (; frames > 0; frames -= 127) out.push_back(static_cast<std::uint8_t>(std::min(frames, 127)));
}

}  // namespace

std::vector<std::uint8_t> songEvents(const std::vector<ChipVoice>& voices, int framesPerStep,
                                     int lengthSteps) {
  const int lengthFrames = lengthSteps * framesPerStep;
  std::vector<Event> events;
  for (std::size_t v = 0; v < voices.size(); ++v)
    if (!voices[v].notes.empty())
      addNotes(events, voices[v], static_cast<int>(v), framesPerStep, lengthFrames);
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return std::tie(a.frame, a.order) < std::tie(b.frame, b.order);
  });
  std::vector<std::uint8_t> out;
  int now = 0;
  for (const Event& event : events) {
    addWait(out, event.frame - now);
    now = event.frame;
    out.insert(out.end(), event.bytes.begin(), event.bytes.end());
  }
  addWait(out, lengthFrames - now);
  out.push_back(0x00);
  return out;
}

}  // namespace dwaalbos::music
