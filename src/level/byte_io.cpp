#include "byte_io.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace dwaalbos {

std::optional<std::uint16_t> ByteReader::u16() {
  if (remaining() < 2) return std::nullopt;
  const auto value = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
  pos_ += 2;
  return value;
}

std::optional<std::int16_t> ByteReader::i16() {
  auto value = u16();
  if (!value) return std::nullopt;
  return static_cast<std::int16_t>(*value);
}

std::optional<std::string> ByteReader::bytes(std::size_t count) {
  if (remaining() < count) return std::nullopt;
  std::string out(reinterpret_cast<const char*>(data_.data() + pos_), count);
  pos_ += count;
  return out;
}

void putU16(Bytes& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void putI16(Bytes& out, std::int16_t value) { putU16(out, static_cast<std::uint16_t>(value)); }

std::optional<Bytes> readWholeFile(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  Bytes data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return data;
}

bool overwriteFileStart(const std::string& path, std::span<const std::uint8_t> data) {
  std::FILE* file = std::fopen(path.c_str(), "r+b");
  if (!file) file = std::fopen(path.c_str(), "w+b");
  if (!file) return false;
  const bool written = std::fwrite(data.data(), 1, data.size(), file) == data.size();
  return std::fclose(file) == 0 && written;
}

bool writeWholeFile(const std::string& path, std::span<const std::uint8_t> data) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(data.data(), 1, data.size(), file) == data.size();
  return std::fclose(file) == 0 && written;
}

bool fileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

}  // namespace dwaalbos
