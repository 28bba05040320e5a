#include "music_files.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>

namespace dwaalbos::audiotest {

namespace {

using Bytes = std::vector<std::uint8_t>;

void putLe(Bytes& out, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putBe(Bytes& out, std::uint32_t value, int size) {
  for (int i = size - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putText(Bytes& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }

void putVariableLength(Bytes& out, std::uint32_t value) {
  Bytes reversed{static_cast<std::uint8_t>(value & 0x7F)};
  for (value >>= 7; value > 0; value >>= 7)
    reversed.push_back(static_cast<std::uint8_t>(0x80 | (value & 0x7F)));
  out.insert(out.end(), reversed.rbegin(), reversed.rend());
}

}  // namespace

std::vector<std::int16_t> tone(double frequency, double seconds, double amplitude, int rate) {
  const int count = static_cast<int>(seconds * rate);
  const int fade = std::min(count / 4, rate / 200);
  std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const double edge = fade == 0 ? 1.0 : std::min({1.0, double(i) / fade, double(count - 1 - i) / fade});
    const double value = amplitude * edge * std::sin(2 * std::numbers::pi * frequency * i / rate);
    samples[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(value * 32767);
  }
  return samples;
}

void writeWav(const std::string& path, const std::vector<std::int16_t>& samples, int rate) {
  const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
  Bytes out;
  putText(out, "RIFF");
  putLe(out, 36 + dataSize, 4);
  putText(out, "WAVEfmt ");
  putLe(out, 16, 4);
  putLe(out, 1, 2);         // PCM
  putLe(out, 1, 2);         // mono
  putLe(out, static_cast<std::uint32_t>(rate), 4);
  putLe(out, static_cast<std::uint32_t>(rate * 2), 4);
  putLe(out, 2, 2);
  putLe(out, 16, 2);
  putText(out, "data");
  putLe(out, dataSize, 4);
  for (std::int16_t sample : samples) putLe(out, static_cast<std::uint16_t>(sample), 2);
  writeBytes(path, out);
}

void writeMod(const std::string& path) {
  constexpr int kSampleBytes = 64;
  Bytes out(20, 0);  // title
  for (int sample = 1; sample <= 31; ++sample) {
    Bytes header(22, 0);
    const bool used = sample == 1;
    putBe(header, used ? kSampleBytes / 2 : 0, 2);  // length in words
    header.push_back(0);                             // finetune
    header.push_back(used ? 64 : 0);                 // volume
    putBe(header, 0, 2);                             // loop start
    putBe(header, used ? kSampleBytes / 2 : 1, 2);   // loop length
    out.insert(out.end(), header.begin(), header.end());
  }
  out.push_back(1);    // one pattern in the order list
  out.push_back(127);
  out.resize(out.size() + 128, 0);
  putText(out, "M.K.");
  Bytes pattern(64 * 4 * 4, 0);
  constexpr int kPeriod = 214;  // C-3
  pattern[0] = static_cast<std::uint8_t>((kPeriod >> 8) & 0x0F);
  pattern[1] = static_cast<std::uint8_t>(kPeriod & 0xFF);
  pattern[2] = 0x10;  // sample 1, no effect
  out.insert(out.end(), pattern.begin(), pattern.end());
  for (int i = 0; i < kSampleBytes; ++i) out.push_back(i < kSampleBytes / 2 ? 100 : 156);
  writeBytes(path, out);
}

void writeMidi(const std::string& path, double seconds) {
  constexpr int kTicksPerBeat = 96;  // at the default 120 beats a minute: 192 ticks a second
  Bytes track;
  putVariableLength(track, 0);
  track.insert(track.end(), {0xC0, 19});           // church organ: a steady tone
  putVariableLength(track, 0);
  track.insert(track.end(), {0x90, 60, 127});
  putVariableLength(track, static_cast<std::uint32_t>(seconds * 2 * kTicksPerBeat));
  track.insert(track.end(), {0x80, 60, 0});
  putVariableLength(track, 0);
  track.insert(track.end(), {0xFF, 0x2F, 0x00});
  Bytes out;
  putText(out, "MThd");
  putBe(out, 6, 4);
  putBe(out, 0, 2);  // format 0
  putBe(out, 1, 2);
  putBe(out, kTicksPerBeat, 2);
  putText(out, "MTrk");
  putBe(out, static_cast<std::uint32_t>(track.size()), 4);
  out.insert(out.end(), track.begin(), track.end());
  writeBytes(path, out);
}

void writeSpc(const std::string& path) {
  constexpr std::size_t kRam = 0x100;
  constexpr std::size_t kDsp = 0x10100;
  Bytes out(0x10200, 0);
  const std::string signature = "SNES-SPC700 Sound File Data v0.30";
  std::copy(signature.begin(), signature.end(), out.begin());
  out[0x21] = out[0x22] = 26;
  out[0x23] = 27;  // no tag
  out[0x24] = 30;
  out[0x25] = 0x00;  // PC = $0400
  out[0x26] = 0x04;
  out[0x2A] = 0x02;  // PSW
  out[0x2B] = 0xEF;  // SP
  auto ram = [&](std::size_t address) -> std::uint8_t& { return out[kRam + address]; };
  // Program: key on voice 0 through the DSP ports, then loop forever.
  const Bytes program{0x8F, 0x4C, 0xF2, 0x8F, 0x01, 0xF3, 0x2F, 0xFE};
  std::copy(program.begin(), program.end(), &ram(0x0400));
  // Sample directory at $0200: voice source 0 starts and loops at $0300.
  ram(0x0200) = 0x00;
  ram(0x0201) = 0x03;
  ram(0x0202) = 0x00;
  ram(0x0203) = 0x03;
  // One BRR block of a square wave, range 12, marked loop and end so it repeats.
  ram(0x0300) = 0xC3;
  for (int i = 1; i <= 8; ++i) ram(0x0300 + static_cast<std::size_t>(i)) = i <= 4 ? 0x77 : 0x99;
  auto dsp = [&](std::size_t reg) -> std::uint8_t& { return out[kDsp + reg]; };
  dsp(0x00) = dsp(0x01) = 0x20;  // voice 0 volume, a quarter of full
  dsp(0x02) = 0x00;              // pitch $0400: the 16-sample wave at 500 Hz
  dsp(0x03) = 0x04;
  dsp(0x04) = 0x00;              // source 0
  dsp(0x05) = 0x00;              // no ADSR: fixed gain
  dsp(0x07) = 0x7F;
  dsp(0x0C) = dsp(0x1C) = 0x7F;  // main volume
  dsp(0x5D) = 0x02;              // directory page
  dsp(0x6C) = 0x20;              // no echo writes, no mute, no reset
  writeBytes(path, out);
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace dwaalbos::audiotest
