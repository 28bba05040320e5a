#pragma once

#include <cstdint>
#include <vector>

// The little program that plays a song on the sound chip's processor. It walks a list of
// events, writes the voices' registers, and waits on timer 0 between them:
//   $00          end of the song: start again from the first event
//   $01..$7F     wait that many timer periods (frames), after sending the key-ons and -offs
//   $80+v i n l r  voice v starts note n (an index into the pitch table) with instrument i at
//                volumes l (left) and r (right)
//   $C0+v g      voice v lets go: with GAIN g, or at once (key off) when g is 0
// Every frame it also bends the pitch of notes whose instrument sings with vibrato: after a
// short delay, up and down along an eight-frame cycle of depths.
namespace dwaalbos::music {

// Where the driver finds its tables in the chip's memory.
struct DriverLayout {
  std::uint16_t code;         // where the program itself goes
  std::uint16_t instruments;  // 4 bytes each: SRCN, ADSR1, ADSR2, flags (kNoiseFlag, ...)
  std::uint16_t pitches;      // 128 pitch register values, low byte first
  std::uint16_t voiceBits;    // 1, 2, 4 ... 128
  // Eight vibrato depths, one per frame of the cycle: the pitch moves by depth / 32768 of itself,
  // upwards in the first half of the cycle and downwards in the second.
  std::uint16_t vibratoDepths;
  std::uint16_t events;
  std::uint8_t timerTarget;  // timer 0 counts 8 kHz ticks up to this (0 means 256)
};

constexpr int kInstrumentRecordSize = 4;
constexpr std::uint8_t kNoiseFlag = 0x01;
constexpr std::uint8_t kVibratoFlag = 0x02;
// Frames a note is held steady before its vibrato starts.
constexpr std::uint8_t kVibratoDelay = 10;

std::vector<std::uint8_t> driverProgram(const DriverLayout& layout);

}  // namespace dwaalbos::music
