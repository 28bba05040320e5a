#include "temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "dwaalbos-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp");
  root_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(root_, ec);
}

void TempFolder::write(const std::string& name, const dwaalbos::Bytes& bytes) const {
  std::filesystem::create_directories((root_ / name).parent_path());
  std::ofstream out(path(name), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

dwaalbos::Bytes TempFolder::read(const std::string& name) const { return fileBytes(path(name)); }

dwaalbos::Bytes fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return dwaalbos::Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
