#include "leftovers.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <string_view>
#include <utility>

namespace dwaalbos {
namespace {

namespace fs = std::filesystem;

// The files a game writes among the player's files by name (GamePaths).
constexpr std::array<std::string_view, 6> kOwnFiles = {
    "Opties.dat", "Scores.dat", "Oplossingen.dat", "Zoom.dat", "Volume.dat", "Niets.wav"};

bool endsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool startsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

bool digits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == text.npos;
}

// The process number that `text` spells, 0 when it spells none.
long processNumber(std::string_view text) {
  return digits(text) && text.size() <= 9 ? std::stol(std::string(text)) : 0;
}

// `test-<pid>.dwb`.
long testLevelOf(std::string_view name) {
  if (!startsWith(name, "test-") || !endsWith(name, ".dwb")) return 0;
  return processNumber(name.substr(5, name.size() - 9));
}

bool ownFile(std::string_view name, bool inLevels) {
  if (inLevels) return endsWith(name, ".dwb");
  return testLevelOf(name) != 0 ||
         std::find(kOwnFiles.begin(), kOwnFiles.end(), name) != kOwnFiles.end();
}

bool stillRuns(long pid) { return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM; }

// The number of the game that left `text` in a folder of the player's (`inLevels`: his
// `levels/` folder), or 0 when no game of ours leaves such a name.
long leftBy(std::string_view text, bool inLevels) {
  if (!inLevels && testLevelOf(text) != 0) return testLevelOf(text);
  if (text.size() < 6 || !startsWith(text, ".") || !endsWith(text, ".tmp")) return 0;
  const std::string_view middle = text.substr(1, text.size() - 5);  // <name>.<pid>-<n>
  const auto dash = middle.rfind('-');
  const auto dot = dash == middle.npos ? middle.npos : middle.rfind('.', dash);
  if (dot == middle.npos || !digits(middle.substr(dash + 1)) ||
      !ownFile(middle.substr(0, dot), inLevels))
    return 0;
  return processNumber(middle.substr(dot + 1, dash - dot - 1));
}

void removeIn(const fs::path& folder, bool inLevels) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const long pid = leftBy(it->path().filename().native(), inLevels);
    std::error_code ignored;
    if (pid == 0 || !fs::is_regular_file(it->symlink_status(ignored)) || stillRuns(pid)) continue;
    fs::remove(it->path(), ignored);
  }
}

}  // namespace

void removeLeftovers(const GamePaths& paths) {
  const fs::path player(paths.playerFolder());
  removeIn(player, false);
  // Below the player's folder no link is followed.
  std::error_code ignored;
  for (const auto& [name, inLevels] : {std::pair{"geluid", false}, std::pair{"levels", true}})
    if (fs::is_directory(fs::symlink_status(player / name, ignored)))
      removeIn(player / name, inLevels);
}

}  // namespace dwaalbos
