#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace dwaalbos {

using Bytes = std::vector<std::uint8_t>;

// Reads little-endian fields from a buffer and never past its end: a read that does not fit
// fails and leaves the position where it was.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

  std::optional<std::uint16_t> u16();
  std::optional<std::int16_t> i16();
  std::optional<std::string> bytes(std::size_t count);
  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return data_.size() - pos_; }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
};

void putU16(Bytes& out, std::uint16_t value);
void putI16(Bytes& out, std::int16_t value);

// The whole file, or nothing when it cannot be opened or read.
std::optional<Bytes> readWholeFile(const std::string& path);
// Writes `data` from offset 0, creating the file when needed and never shortening it: bytes
// beyond the new data stay as they were. False when the file cannot be written.
bool overwriteFileStart(const std::string& path, std::span<const std::uint8_t> data);
// Replaces the file's whole content with `data`. False when it cannot be written.
bool writeWholeFile(const std::string& path, std::span<const std::uint8_t> data);
bool fileExists(const std::string& path);

}  // namespace dwaalbos
