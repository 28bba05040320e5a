#include "musicgen/xm_writer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "musicgen/lanes.h"
#include "musicgen/module_instruments.h"
#include "synth/wav_file.h"

namespace dwaalbos::music {

namespace {

using synth::Bytes;
using synth::ByteWriter;

constexpr int kKeyOff = 97;
constexpr int kTicksPerRow = 6;  // with a row per sixteenth, the module's BPM is the song's
constexpr int kMaxChannels = 32;
constexpr int kMiddleC = 60;
// Every note a little softer than full, so the loudest chords leave room for the fanfare on top.
constexpr double kHeadroom = 0.7;
// The music lies 8-10 dB under the sound effects. The samples are stored that much softer, so
// the notes keep the volume column's whole range.
constexpr double kSampleLevel = 0.67;

struct Cell {
  int note = 0;  // 1..96, or kKeyOff
  int instrument = 0;
  int volume = -1;  // 0..64, or -1 for none

  bool empty() const { return note == 0 && instrument == 0 && volume < 0; }
};

struct Channel {
  int instrument;  // 1-based
  bool percussion;
  MixPlace place;
  std::vector<Note> notes;
};

std::vector<Channel> channelsOf(const Song& song) {
  std::vector<Channel> channels;
  for (std::size_t t = 0; t < song.tracks.size(); ++t) {
    const Track& track = song.tracks[t];
    for (auto& lane : splitIntoLanes(track.notes))
      channels.push_back({static_cast<int>(t) + 1, isPercussion(track.instrument),
                          mixPlace(track.instrument), lane});
  }
  if (channels.size() > kMaxChannels)
    throw std::invalid_argument("too many simultaneous notes for a module");
  return channels;
}

// Module notes count from C-0 = 1, so middle C (MIDI 60) is C-4 = 49.
int moduleNote(int midiPitch) {
  const int note = midiPitch - 11;
  if (note < 1 || note > 96) throw std::invalid_argument("note out of a module's range");
  return note;
}

std::vector<std::vector<Cell>> grid(const Song& song, const std::vector<Channel>& channels) {
  std::vector<std::vector<Cell>> rows(static_cast<std::size_t>(song.lengthSteps),
                                      std::vector<Cell>(channels.size() + channels.size() % 2));
  for (std::size_t c = 0; c < channels.size(); ++c) {
    const Channel& channel = channels[c];
    for (const Note& note : channel.notes) {
      Cell& cell = rows[static_cast<std::size_t>(note.start)][c];
      cell.note = moduleNote(channel.percussion ? kMiddleC : note.pitch);
      cell.instrument = channel.instrument;
      cell.volume = static_cast<int>(
          std::lround(64.0 * kHeadroom * channel.place.level * note.velocity / 127.0));
    }
    if (channel.percussion) continue;
    // Let go of each key where its note ends, unless the next note takes over right there. A
    // note still held at the loop point is let go on the first row.
    for (const Note& note : channel.notes) {
      const int row = note.end() % song.lengthSteps;
      if (rows[static_cast<std::size_t>(row)][c].note == 0)
        rows[static_cast<std::size_t>(row)][c].note = kKeyOff;
    }
  }
  return rows;
}

Bytes packedPattern(const std::vector<std::vector<Cell>>& rows, std::size_t first,
                    std::size_t count) {
  ByteWriter data;
  for (std::size_t r = first; r < first + count; ++r) {
    for (const Cell& cell : rows[r]) {
      const unsigned flags =
          (cell.note ? 1u : 0u) | (cell.instrument ? 2u : 0u) | (cell.volume >= 0 ? 4u : 0u);
      data.u8(0x80 | flags);
      if (cell.note) data.u8(static_cast<unsigned>(cell.note));
      if (cell.instrument) data.u8(static_cast<unsigned>(cell.instrument));
      if (cell.volume >= 0) data.u8(0x10 + static_cast<unsigned>(cell.volume));
    }
  }
  ByteWriter pattern;
  pattern.u32le(9);
  pattern.u8(0);
  pattern.u16le(static_cast<unsigned>(count));
  pattern.u16le(static_cast<unsigned>(data.size()));
  pattern.bytes(data.data());
  return pattern.data();
}

// Relative note and finetune that make the recorded pitch sound right: C-4 with neither plays
// the sample at 8363 Hz.
std::pair<int, int> tuning(double recordedFrequency) {
  const double semitones = 12.0 * std::log2(261.6256 * synth::kRate / (8363.0 * recordedFrequency));
  const int relative = static_cast<int>(std::lround(semitones));
  const int finetune =
      std::clamp(static_cast<int>(std::lround((semitones - relative) * 128.0)), -128, 127);
  return {relative, finetune};
}

Bytes instrumentChunk(Instrument which) {
  const ModuleInstrument instrument = moduleInstrument(which);
  const MixPlace place = mixPlace(which);
  ByteWriter out;
  out.u32le(263);
  out.text(instrumentName(which), 22, ' ');
  out.u8(0);
  out.u16le(1);
  out.u32le(40);
  for (int i = 0; i < 96; ++i) out.u8(0);
  for (int point = 0; point < 12; ++point) {
    const bool used = point < static_cast<int>(instrument.envelope.size());
    out.u16le(used ? static_cast<unsigned>(instrument.envelope[point].first) : 0);
    out.u16le(used ? static_cast<unsigned>(instrument.envelope[point].second) : 0);
  }
  for (int i = 0; i < 48; ++i) out.u8(0);  // no panning envelope
  const bool hasEnvelope = instrument.sustainPoint >= 0;
  out.u8(static_cast<unsigned>(instrument.envelope.size()));
  out.u8(0);
  out.u8(hasEnvelope ? static_cast<unsigned>(instrument.sustainPoint) : 0);
  out.u8(0);
  out.u8(0);
  out.u8(0);
  out.u8(0);
  out.u8(0);
  out.u8(hasEnvelope ? 0x03 : 0x00);  // envelope on, with a sustain point
  out.u8(0);
  out.u8(0);  // sine vibrato
  out.u8(static_cast<unsigned>(instrument.vibratoSweep));
  out.u8(static_cast<unsigned>(instrument.vibratoDepth));
  out.u8(static_cast<unsigned>(instrument.vibratoRate));
  out.u16le(hasEnvelope ? 0x200 : 0);
  for (int i = 0; i < 22; ++i) out.u8(0);

  synth::Signal sample = instrument.sample;
  synth::scale(sample, kSampleLevel);
  const std::vector<std::int16_t> pcm = synth::toPcm16(sample);
  const auto [relative, finetune] = tuning(instrument.frequency);
  out.u32le(static_cast<std::uint32_t>(pcm.size() * 2));
  out.u32le(static_cast<std::uint32_t>(instrument.loopStart * 2));
  out.u32le(static_cast<std::uint32_t>(instrument.loopLength * 2));
  out.u8(64);
  out.u8(static_cast<unsigned>(static_cast<std::uint8_t>(finetune)));
  out.u8((instrument.loopLength > 0 ? 0x01 : 0x00) | 0x10);  // forward loop, 16-bit
  out.u8(static_cast<unsigned>(std::lround(128 + 110 * place.pan)));
  out.u8(static_cast<unsigned>(static_cast<std::uint8_t>(relative)));
  out.u8(0);
  out.text(instrumentName(which), 22, ' ');
  std::int16_t previous = 0;
  for (std::int16_t sample : pcm) {
    out.u16le(static_cast<std::uint16_t>(sample - previous));  // stored as differences
    previous = sample;
  }
  return out.data();
}

}  // namespace

Bytes xmFile(const Song& song) {
  const std::vector<Channel> channels = channelsOf(song);
  const auto rows = grid(song, channels);
  const auto rowsPerPattern = static_cast<std::size_t>(4 * song.stepsPerBar);
  if (rowsPerPattern > 256) throw std::invalid_argument("bars too long for module patterns");

  std::vector<Bytes> patterns;
  std::vector<unsigned> order;
  for (std::size_t first = 0; first < rows.size(); first += rowsPerPattern) {
    Bytes pattern = packedPattern(rows, first, std::min(rowsPerPattern, rows.size() - first));
    // Passages that come back unchanged reuse their pattern.
    const auto same = std::find(patterns.begin(), patterns.end(), pattern);
    order.push_back(static_cast<unsigned>(same - patterns.begin()));
    if (same == patterns.end()) patterns.push_back(std::move(pattern));
  }
  if (order.size() > 256) throw std::invalid_argument("song too long for a module's order list");

  ByteWriter out;
  out.text("Extended Module: ", 17);
  out.text(song.title, 20, ' ');
  out.u8(0x1A);
  out.text("Dwaalbos musicgen", 20, ' ');
  out.u16le(0x0104);
  out.u32le(276);
  out.u16le(static_cast<unsigned>(order.size()));
  out.u16le(0);  // loop to the first pattern
  out.u16le(static_cast<unsigned>(rows.front().size()));
  out.u16le(static_cast<unsigned>(patterns.size()));
  out.u16le(static_cast<unsigned>(song.tracks.size()));
  out.u16le(1);  // linear frequency table
  out.u16le(kTicksPerRow);
  out.u16le(static_cast<unsigned>(song.beatsPerMinute));
  for (std::size_t i = 0; i < 256; ++i) out.u8(i < order.size() ? order[i] : 0);
  for (const Bytes& pattern : patterns) out.bytes(pattern);
  for (const Track& track : song.tracks) out.bytes(instrumentChunk(track.instrument));
  return out.data();
}

}  // namespace dwaalbos::music
