#include "game_paths.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "byte_io.h"

namespace dwaalbos {

namespace fs = std::filesystem;

std::string GamePaths::levels() const { return ownFolder("levels"); }

std::string GamePaths::collections() const { return ownFolder("verzamelingen"); }

std::string GamePaths::ownFolder(const char* name) const {
  const std::string folder = player_ + "/" + name;
  std::error_code ignored;
  if (separate()) fs::create_directories(folder, ignored);
  return folder;
}

std::vector<std::string> GamePaths::collectionFolders() const {
  std::vector<std::string> folders{data("verzamelingen")};
  if (separate()) folders.push_back(collections());
  return folders;
}

// Made where the player's files are, so that it guards them for every game that uses them.
std::string GamePaths::lockFile() const {
  if (separate()) makeFolders(player_);
  return player_ + "/.dwaalbos.lock";
}

std::string GamePaths::testLevel() const {
  return playerFile("test-" + std::to_string(::getpid()) + ".dwb");
}

// A folder that cannot be made is told by the write that needs it (`explained`). A copy that
// fails leaves nothing behind, and the shipped file serves until a later copy succeeds.
std::string GamePaths::playerFile(const std::string& name) const {
  const fs::path own = fs::path(player_) / name;
  if (!separate()) return own.string();
  const fs::path shipped = fs::path(data_) / name;
  std::error_code ignored;
  if (!makeFolders(own.parent_path().string()) || fs::exists(fs::symlink_status(own, ignored)) ||
      !fs::is_regular_file(shipped, ignored))
    return own.string();
  return copyFile(shipped.string(), own.string()) ? own.string() : shipped.string();
}

WriteResult GamePaths::explained(const std::string& path, const WriteResult& written) const {
  if (written) return written;
  const WriteResult folder = makeFolders(fs::path(path).parent_path().string());
  return folder ? written : folder;
}

namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

bool holdsData(const fs::path& folder) {
  std::error_code ignored;
  return fs::is_regular_file(folder / "standaardlevels", ignored);
}

// The XDG base directory rules: a relative $XDG_DATA_HOME is to be ignored.
std::string playersOwnFolder(const Surroundings& around) {
  if (fs::path(around.xdgDataHome).is_absolute()) return around.xdgDataHome + "/dwaalbos";
  if (!around.home.empty()) return around.home + "/.local/share/dwaalbos";
  return {};
}

}  // namespace

Surroundings systemSurroundings() {
  return {environment("XDG_DATA_HOME"), environment("HOME"),
          [](const std::string& folder) { return access(folder.c_str(), W_OK) == 0; }};
}

GamePaths findGamePaths(const std::string& programFolder, const Surroundings& around) {
  const fs::path prefix = fs::path(programFolder).parent_path();
  const fs::path installed = prefix / "share" / "dwaalbos";
  const bool isInstalled = !holdsData(programFolder) && holdsData(installed);
  const std::string data = isInstalled ? installed.string() : programFolder;
  if (!isInstalled && around.mayWrite(data)) return GamePaths(data);
  const std::string own = playersOwnFolder(around);
  const std::string programs = isInstalled ? (prefix / "lib" / "dwaalbos").string() : data;
  return GamePaths(data, own.empty() ? data : own, programs);
}

}  // namespace dwaalbos
