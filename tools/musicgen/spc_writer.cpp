#include "musicgen/spc_writer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

#include "musicgen/brr.h"
#include "musicgen/lanes.h"
#include "musicgen/spc_driver.h"
#include "musicgen/spc_events.h"

namespace dwaalbos::music {

namespace {

using synth::Bytes;
using synth::ByteWriter;

// Memory map of the snapshot.
constexpr std::uint16_t kDirectory = 0x0200;
constexpr std::uint16_t kInstruments = 0x0300;
constexpr std::uint16_t kCode = 0x0400;
constexpr std::uint16_t kPitches = 0x0600;
constexpr std::uint16_t kVoiceBits = 0x0700;
constexpr std::uint16_t kVibratoDepths = 0x0708;
constexpr std::uint16_t kSamples = 0x0800;
constexpr std::uint16_t kEchoBuffer = 0xA000;
constexpr int kEchoDelay = 5;  // in 16 ms units; the buffer takes 2 KiB per unit
constexpr int kVoices = 8;
constexpr double kTimerRate = 8000.0;

// Sound chip registers set before the driver starts.
constexpr int kMainVolumeLeft = 0x0C, kMainVolumeRight = 0x1C;
constexpr int kEchoVolumeLeft = 0x2C, kEchoVolumeRight = 0x3C;
constexpr int kFlags = 0x6C, kEchoFeedback = 0x0D, kEchoOn = 0x4D;
constexpr int kDirectoryPage = 0x5D, kEchoStart = 0x6D, kEchoDelayRegister = 0x7D;

using Memory = std::array<std::uint8_t, 0x10000>;

void place(Memory& memory, std::size_t address, const std::vector<std::uint8_t>& bytes,
           std::size_t limit) {
  if (address + bytes.size() > limit)
    throw std::length_error("the song does not fit in the sound chip's memory");
  std::copy(bytes.begin(), bytes.end(), memory.begin() + static_cast<std::ptrdiff_t>(address));
}

struct Timing {
  int framesPerStep;
  int timerTarget;  // 1..256
};

// Timer 0 counts 8 kHz ticks up to at most 256, so a step is a whole number of such periods.
Timing timing(const Song& song) {
  const double ticksPerStep = song.secondsPerStep() * kTimerRate;
  const int frames = static_cast<int>(std::ceil(ticksPerStep / 256.0));
  return {frames, static_cast<int>(std::lround(ticksPerStep / frames))};
}

std::vector<ChipVoice> voicesOf(const Song& song) {
  std::vector<ChipVoice> voices;
  for (std::size_t t = 0; t < song.tracks.size(); ++t) {
    const Track& track = song.tracks[t];
    for (auto& lane : splitIntoLanes(track.notes))
      voices.push_back({static_cast<int>(t), chipInstrument(track.instrument),
                        mixPlace(track.instrument), lane});
  }
  if (voices.size() > kVoices)
    throw std::invalid_argument(song.title + " needs " + std::to_string(voices.size()) +
                                " voices, the chip has 8");
  return voices;
}

// Samples, their directory and the instrument records; returns the first free address.
std::size_t placeInstruments(Memory& memory, const Song& song) {
  std::size_t next = kSamples;
  for (std::size_t i = 0; i < song.tracks.size(); ++i) {
    const ChipInstrument instrument = chipInstrument(song.tracks[i].instrument);
    const std::vector<std::uint8_t> brr = encodeBrr(instrument.samples);
    // Start and loop point: the whole sample loops.
    const auto low = static_cast<std::uint8_t>(next), high = static_cast<std::uint8_t>(next >> 8);
    place(memory, kDirectory + 4 * i, {low, high, low, high}, kInstruments);
    const std::uint8_t flags =
        (instrument.noise ? kNoiseFlag : 0) | (instrument.vibrato ? kVibratoFlag : 0);
    place(memory, kInstruments + kInstrumentRecordSize * i,
          {static_cast<std::uint8_t>(i), instrument.adsr1, instrument.adsr2, flags}, kCode);
    place(memory, next, brr, kEchoBuffer);
    next += brr.size();
  }
  return next;
}

std::vector<std::uint8_t> pitchTable() {
  std::vector<std::uint8_t> table;
  for (int note = 0; note < 128; ++note) {
    const double frequency = 440.0 * std::pow(2.0, (note - 69) / 12.0);
    const auto pitch =
        static_cast<int>(std::clamp(std::lround(0x1000 * frequency / kChipRootHz), 0L, 0x3FFFL));
    table.push_back(static_cast<std::uint8_t>(pitch));
    table.push_back(static_cast<std::uint8_t>(pitch >> 8));
  }
  return table;
}

std::array<std::uint8_t, 128> dspRegisters(const std::vector<ChipVoice>& voices) {
  std::array<std::uint8_t, 128> dsp{};
  // The game's SPC player doubles what the chip puts out, so the chip itself plays well below
  // the level the other music files have: the loudest chords leave room for the fanfare.
  dsp[kMainVolumeLeft] = dsp[kMainVolumeRight] = 0x1E;
  dsp[kEchoVolumeLeft] = dsp[kEchoVolumeRight] = 0x0E;
  dsp[kFlags] = 0x1D;  // echo writes on, not muted, a high noise clock for the shaker
  dsp[kEchoFeedback] = 0x38;
  for (std::size_t v = 0; v < voices.size(); ++v)
    if (voices[v].instrument.echo) dsp[kEchoOn] |= static_cast<std::uint8_t>(1 << v);
  dsp[kDirectoryPage] = kDirectory >> 8;
  dsp[kEchoStart] = kEchoBuffer >> 8;
  dsp[kEchoDelayRegister] = kEchoDelay;
  // The echo's filter: a gentle low-pass, its taps summing to 127, so each repeat is softer and
  // duller than the last, as in a wood.
  const std::uint8_t taps[] = {8, 14, 20, 24, 24, 19, 12, 6};
  for (int i = 0; i < 8; ++i) dsp[static_cast<std::size_t>(i * 0x10 + 0x0F)] = taps[i];
  return dsp;
}

void header(ByteWriter& out, const Song& song) {
  out.text("SNES-SPC700 Sound File Data v0.30", 33);
  out.u8(26);
  out.u8(26);
  out.u8(26);  // an ID666 tag follows
  out.u8(30);
  out.u16le(kCode);
  out.u8(0);     // A
  out.u8(0);     // X
  out.u8(0);     // Y
  out.u8(0x02);  // PSW
  out.u8(0xEF);  // SP
  out.u16le(0);
  out.text(song.title, 32);
  out.text("Dwaalbos", 32);
  out.text("Dwaalbos musicgen", 16);
  out.text("Bosmuziek, herhaalt zich", 32);
  out.text("", 11);
  // Play two rounds, then fade: for players that stop at all.
  const int seconds = std::min(999, static_cast<int>(std::ceil(2 * song.seconds())));
  out.text(std::to_string(seconds), 3);
  out.text("8000", 5);
  out.text("Dwaalbos", 32);
  out.u8(0);
  out.u8(0);
  out.text("", 45);
}

}  // namespace

Bytes spcFile(const Song& song) {
  const std::vector<ChipVoice> voices = voicesOf(song);
  const Timing time = timing(song);

  Memory memory{};
  const std::size_t events = placeInstruments(memory, song);
  const DriverLayout layout{.code = kCode,
                            .instruments = kInstruments,
                            .pitches = kPitches,
                            .voiceBits = kVoiceBits,
                            .vibratoDepths = kVibratoDepths,
                            .events = static_cast<std::uint16_t>(events),
                            .timerTarget = static_cast<std::uint8_t>(time.timerTarget & 0xFF)};
  place(memory, kCode, driverProgram(layout), kPitches);
  place(memory, kPitches, pitchTable(), kVoiceBits);
  place(memory, kVoiceBits, {1, 2, 4, 8, 16, 32, 64, 128}, kVibratoDepths);
  // A sine in eight steps, about a tenth of a semitone deep at its crests.
  place(memory, kVibratoDepths, {0, 134, 190, 134, 0, 134, 190, 134}, kSamples);
  place(memory, events, songEvents(voices, time.framesPerStep, song.lengthSteps), kEchoBuffer);

  ByteWriter out;
  header(out, song);
  out.bytes(Bytes(memory.begin(), memory.end()));
  const auto dsp = dspRegisters(voices);
  out.bytes(Bytes(dsp.begin(), dsp.end()));
  out.bytes(Bytes(64, 0));                                  // unused
  out.bytes(Bytes(memory.begin() + 0xFFC0, memory.end()));  // RAM under the boot ROM
  return out.data();
}

}  // namespace dwaalbos::music
