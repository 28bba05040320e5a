#include "audio/file_bytes.h"

#include <filesystem>
#include <fstream>

namespace dwaalbos {

std::vector<char> readFileBytes(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return {};
  const auto size = std::filesystem::file_size(path, error);
  if (error) return {};
  std::vector<char> bytes(size);
  std::ifstream file(path, std::ios::binary);
  if (!file.read(bytes.data(), static_cast<std::streamsize>(size))) return {};
  return bytes;
}

}  // namespace dwaalbos
