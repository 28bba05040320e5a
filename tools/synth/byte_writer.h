#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace dwaalbos::synth {

using Bytes = std::vector<std::uint8_t>;

// Appends fixed-width fields in either byte order, the way the sound file formats want them.
class ByteWriter {
 public:
  void u8(unsigned value);
  void u16le(unsigned value);
  void u32le(std::uint32_t value);
  void u16be(unsigned value);
  void u32be(std::uint32_t value);
  // `text` padded with `fill` (or cut) to exactly `width` bytes.
  void text(std::string_view text, std::size_t width, char fill = '\0');
  void bytes(const Bytes& more);

  std::size_t size() const { return bytes_.size(); }
  const Bytes& data() const { return bytes_; }

 private:
  Bytes bytes_;
};

// Writes the file whole; throws std::runtime_error when it cannot.
void writeFile(const std::filesystem::path& path, const Bytes& bytes);

}  // namespace dwaalbos::synth
