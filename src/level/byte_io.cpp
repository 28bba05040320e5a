#include "byte_io.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>

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

WriteResult WriteResult::failedFromErrno() {
  const int error = errno;
  return WriteResult(error != 0 ? std::strerror(error) : "onbekende fout");
}

std::optional<Bytes> readFileStart(const std::string& path, std::size_t limit) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  Bytes data;
  std::array<char, 65536> chunk;
  while (data.size() < limit && in) {
    in.read(chunk.data(), static_cast<std::streamsize>(std::min(chunk.size(), limit - data.size())));
    data.insert(data.end(), chunk.begin(), chunk.begin() + in.gcount());
  }
  if (in.bad()) return std::nullopt;
  return data;
}

std::optional<Bytes> readWholeFile(const std::string& path) {
  return readFileStart(path, std::numeric_limits<std::size_t>::max());
}

namespace {

// Writes `data` at the start of an open file and closes it; the reason of the first failure.
WriteResult writeAndClose(std::FILE* file, std::span<const std::uint8_t> data) {
  if (!file) return WriteResult::failedFromErrno();
  // An empty write creates the file and nothing more; fwrite is not handed a null buffer.
  const bool written =
      data.empty() || std::fwrite(data.data(), 1, data.size(), file) == data.size();
  const int writeError = errno;
  if (std::fclose(file) != 0 || !written) {
    if (!written) errno = writeError;
    return WriteResult::failedFromErrno();
  }
  return WriteResult::done();
}

}  // namespace

WriteResult overwriteFileStart(const std::string& path, std::span<const std::uint8_t> data) {
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "r+b");
  if (!file && errno != EISDIR) file = std::fopen(path.c_str(), "w+b");
  return writeAndClose(file, data);
}

WriteResult writeWholeFile(const std::string& path, std::span<const std::uint8_t> data) {
  errno = 0;
  return writeAndClose(std::fopen(path.c_str(), "wb"), data);
}

bool fileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

}  // namespace dwaalbos
