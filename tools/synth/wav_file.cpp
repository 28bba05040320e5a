#include "synth/wav_file.h"

#include <algorithm>
#include <cmath>

#include "synth/byte_writer.h"

namespace dwaalbos::synth {

std::vector<std::int16_t> toPcm16(const Signal& signal) {
  std::vector<std::int16_t> pcm(signal.size());
  std::transform(signal.begin(), signal.end(), pcm.begin(), [](double sample) {
    return static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0));
  });
  return pcm;
}

void writeWav(const std::filesystem::path& path, const Signal& signal) {
  const std::vector<std::int16_t> pcm = toPcm16(signal);
  const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
  ByteWriter out;
  out.text("RIFF", 4);
  out.u32le(36 + dataBytes);
  out.text("WAVE", 4);
  out.text("fmt ", 4);
  out.u32le(16);
  out.u16le(1);  // PCM
  out.u16le(1);  // mono
  out.u32le(kRate);
  out.u32le(kRate * 2);
  out.u16le(2);
  out.u16le(16);
  out.text("data", 4);
  out.u32le(dataBytes);
  for (std::int16_t sample : pcm) out.u16le(static_cast<std::uint16_t>(sample));
  writeFile(path, out.data());
}

}  // namespace dwaalbos::synth
