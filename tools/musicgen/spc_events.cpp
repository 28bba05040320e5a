#include "musicgen/spc_events.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace dwaalbos::music {

namespace {

// Scales a note's level to the voice volume registers (signed, so at most 127).
constexpr double kVoiceVolume = 127.0;

struct Event {
  int frame;
  int order;  // releases go before key-ons in the same frame
  std::vector<std::uint8_t> bytes;
};

std::uint8_t volume(double level) { return static_cast<std::uint8_t>(std::clamp(std::lround(level), 0L, 127L)); }

void addNotes(std::vector<Event>& events, const ChipVoice& voice, int v, int framesPerStep, int lengthFrames) {
  const auto& notes = voice.notes;
  for (std::size_t i = 0; i < notes.size(); ++i) {
    const Note& note = notes[i];
    const int start = note.start * framesPerStep;
    const double level = kVoiceVolume * voice.place.level * voice.instrument.loudness * note.velocity / 127.0;
    events.push_back({start, 1,
                      {static_cast<std::uint8_t>(0x80 + v), static_cast<std::uint8_t>(voice.instrumentIndex),
                       static_cast<std::uint8_t>(note.pitch), volume(level * std::min(1.0, 1.0 - voice.place.pan)),
                       volume(level * std::min(1.0, 1.0 + voice.place.pan))}});

    // The next note on this voice, the first one again after the loop for the last.
    const int next = i + 1 < notes.size() ? notes[i + 1].start * framesPerStep
                                          : lengthFrames + notes.front().start * framesPerStep;
    const int end = note.end() * framesPerStep;
    const ChipInstrument& instrument = voice.instrument;
    const bool hurried = next - end < instrument.hurriedFrames + 2;
    int release = hurried ? next - instrument.hurriedFrames : end;
    release = std::clamp(release, start + 1, lengthFrames - 1);
    const std::uint8_t gain = hurried ? instrument.hurriedGain : instrument.releaseGain;
    events.push_back({release, 0, {static_cast<std::uint8_t>(0xC0 + v), gain}});
  }
}

void addWait(std::vector<std::uint8_t>& out, int frames) {
  for (; frames > 0; frames -= 127) out.push_back(static_cast<std::uint8_t>(std::min(frames, 127)));
}

}  // namespace

std::vector<std::uint8_t> songEvents(const std::vector<ChipVoice>& voices, int framesPerStep, int lengthSteps) {
  const int lengthFrames = lengthSteps * framesPerStep;
  std::vector<Event> events;
  for (std::size_t v = 0; v < voices.size(); ++v)
    if (!voices[v].notes.empty()) addNotes(events, voices[v], static_cast<int>(v), framesPerStep, lengthFrames);
  std::stable_sort(events.begin(), events.end(),
                   [](const Event& a, const Event& b) { return std::tie(a.frame, a.order) < std::tie(b.frame, b.order); });
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
