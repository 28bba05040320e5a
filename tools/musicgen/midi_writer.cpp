#include "musicgen/midi_writer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <tuple>

namespace dwaalbos::music {

namespace {

using synth::Bytes;
using synth::ByteWriter;

constexpr int kTicksPerBeat = 96;
constexpr int kTicksPerStep = kTicksPerBeat / kStepsPerBeat;
constexpr int kDrumChannel = 9;

// General MIDI program (0-based) of each pitched instrument, or the drum key of a percussion one.
int generalMidiNumber(Instrument instrument) {
  switch (instrument) {
    case Instrument::Flute: return 73;
    case Instrument::Clarinet: return 71;
    case Instrument::Strings: return 49;  // slow strings
    case Instrument::Harp: return 46;
    case Instrument::Bass: return 32;    // acoustic bass
    case Instrument::Shaker: return 70;  // maracas
    case Instrument::Drum: return 41;    // low floor tom, played softly
  }
  return 0;
}

// The soundfont's instruments differ in loudness from one another; these trims (in dB) make
// the mix levels come out as in the module rendering.
double loudnessTrimDb(Instrument instrument) {
  switch (instrument) {
    case Instrument::Flute: return 0.4;
    case Instrument::Clarinet: return 6.0;
    case Instrument::Strings: return 5.3;
    case Instrument::Harp: return 3.0;
    case Instrument::Bass: return 4.0;
    case Instrument::Shaker: return 5.1;
    case Instrument::Drum: return 0.4;
  }
  return 0.0;
}

// Channel volume and velocity act on loudness along a 40 log10 curve, so an amplitude factor
// becomes its square root on that scale. The headroom keeps the music 8-10 dB under the sound
// effects.
double controllerScale(Instrument instrument) {
  constexpr double kHeadroom = 0.54;
  return std::sqrt(kHeadroom * mixPlace(instrument).level *
                   std::pow(10.0, loudnessTrimDb(instrument) / 20.0));
}

struct Event {
  int tick;
  int order;  // note-offs before note-ons at the same tick
  Bytes bytes;
};

void variableLength(Bytes& out, std::uint32_t value) {
  Bytes reversed{static_cast<std::uint8_t>(value & 0x7F)};
  while ((value >>= 7) != 0) reversed.push_back(static_cast<std::uint8_t>((value & 0x7F) | 0x80));
  out.insert(out.end(), reversed.rbegin(), reversed.rend());
}

Bytes meta(int type, const Bytes& data) {
  Bytes out{0xFF, static_cast<std::uint8_t>(type)};
  variableLength(out, static_cast<std::uint32_t>(data.size()));
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

Bytes textBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes trackChunk(std::vector<Event> events, int endTick) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return std::tie(a.tick, a.order) < std::tie(b.tick, b.order);
  });
  events.push_back({endTick, 2, meta(0x2F, {})});
  Bytes body;
  int now = 0;
  for (const Event& event : events) {
    variableLength(body, static_cast<std::uint32_t>(event.tick - now));
    body.insert(body.end(), event.bytes.begin(), event.bytes.end());
    now = event.tick;
  }
  ByteWriter chunk;
  chunk.text("MTrk", 4);
  chunk.u32be(static_cast<std::uint32_t>(body.size()));
  chunk.bytes(body);
  return chunk.data();
}

Bytes tempoTrack(const Song& song) {
  const auto microsPerBeat =
      static_cast<std::uint32_t>(std::lround(60'000'000.0 / song.beatsPerMinute));
  std::vector<Event> events;
  events.push_back({0, 0, meta(0x03, textBytes(song.title))});
  events.push_back({0, 0,
                    meta(0x51, {static_cast<std::uint8_t>(microsPerBeat >> 16),
                                static_cast<std::uint8_t>(microsPerBeat >> 8),
                                static_cast<std::uint8_t>(microsPerBeat)})});
  const auto beats = static_cast<std::uint8_t>(song.stepsPerBar / kStepsPerBeat);
  events.push_back({0, 0, meta(0x58, {beats, 2, 24, 8})});
  return trackChunk(std::move(events), song.lengthSteps * kTicksPerStep);
}

std::uint8_t controllerValue(double x) {
  return static_cast<std::uint8_t>(std::clamp(std::lround(x), 0L, 127L));
}

Bytes instrumentTrack(const Track& track, int channel, int endTick) {
  const MixPlace place = mixPlace(track.instrument);
  const auto status = [channel](int kind) { return static_cast<std::uint8_t>(kind | channel); };
  std::vector<Event> events;
  events.push_back({0, 0, meta(0x03, textBytes(instrumentName(track.instrument)))});
  if (!isPercussion(track.instrument))
    events.push_back(
        {0, 0, {status(0xC0), static_cast<std::uint8_t>(generalMidiNumber(track.instrument))}});
  // The drum channel is shared by every percussion part, so those carry their level in the
  // velocity instead of the channel's volume.
  double velocityScale = 1.0;
  if (isPercussion(track.instrument)) {
    velocityScale = controllerScale(track.instrument);
  } else {
    events.push_back(
        {0, 0, {status(0xB0), 7, controllerValue(127 * controllerScale(track.instrument))}});
    events.push_back({0, 0, {status(0xB0), 10, controllerValue(64 + 63 * place.pan)}});
    events.push_back({0, 0, {status(0xB0), 91, 52}});  // reverb: a forest has room around it
  }
  for (const Note& note : track.notes) {
    const int key =
        isPercussion(track.instrument) ? generalMidiNumber(track.instrument) : note.pitch;
    const auto k = static_cast<std::uint8_t>(key);
    const std::uint8_t velocity =
        std::max<std::uint8_t>(1, controllerValue(note.velocity * velocityScale));
    events.push_back({note.start * kTicksPerStep, 1, {status(0x90), k, velocity}});
    events.push_back({note.end() * kTicksPerStep, 0, {status(0x80), k, 64}});
  }
  return trackChunk(std::move(events), endTick);
}

}  // namespace

Bytes midiFile(const Song& song) {
  ByteWriter out;
  out.text("MThd", 4);
  out.u32be(6);
  out.u16be(1);
  out.u16be(static_cast<unsigned>(song.tracks.size() + 1));
  out.u16be(kTicksPerBeat);
  out.bytes(tempoTrack(song));
  int nextChannel = 0;
  for (const Track& track : song.tracks) {
    int channel = kDrumChannel;
    if (!isPercussion(track.instrument)) {
      if (nextChannel == kDrumChannel) ++nextChannel;
      channel = nextChannel++;
    }
    if (channel > 15) throw std::invalid_argument("more instruments than MIDI channels");
    out.bytes(instrumentTrack(track, channel, song.lengthSteps * kTicksPerStep));
  }
  return out.data();
}

}  // namespace dwaalbos::music
