#pragma once

#include <filesystem>
#include <string>

#include "level/byte_io.h"

// Every byte of a file, however long; empty when it cannot be read.
dwaalbos::Bytes fileBytes(const std::string& path);

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string path(const std::string& name) const { return (root_ / name).string(); }
  const std::filesystem::path& root() const { return root_; }

  void write(const std::string& name, const dwaalbos::Bytes& bytes) const;
  dwaalbos::Bytes read(const std::string& name) const;

 private:
  std::filesystem::path root_;
};
