#include "synth/byte_writer.h"

#include <fstream>
#include <stdexcept>

namespace dwaalbos::synth {

void ByteWriter::u8(unsigned value) { bytes_.push_back(static_cast<std::uint8_t>(value & 0xFF)); }

void ByteWriter::u16le(unsigned value) {
  u8(value);
  u8(value >> 8);
}

void ByteWriter::u32le(std::uint32_t value) {
  u16le(value & 0xFFFF);
  u16le(value >> 16);
}

void ByteWriter::u16be(unsigned value) {
  u8(value >> 8);
  u8(value);
}

void ByteWriter::u32be(std::uint32_t value) {
  u16be(value >> 16);
  u16be(value & 0xFFFF);
}

void ByteWriter::text(std::string_view text, std::size_t width, char fill) {
  for (std::size_t i = 0; i < width; ++i)
    u8(static_cast<unsigned char>(i < text.size() ? text[i] : fill));
}

void ByteWriter::bytes(const Bytes& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }

void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace dwaalbos::synth
