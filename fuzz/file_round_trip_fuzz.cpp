// libFuzzer target over every file the game writes, through real files: what a reader takes
// from a file its writer writes back, the reader reads the same again, and the bytes beyond
// what a writer owns stay as they were, as far as a valid file reaches.
#include <stdlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>

#include "level/best_solutions.h"
#include "level/byte_io.h"
#include "level/language_file.h"
#include "level/level_file.h"
#include "level/level_results.h"
#include "level/options_file.h"
#include "level/progress.h"
#include "level/scores.h"
#include "level/zoom.h"

namespace {

namespace fs = std::filesystem;
using dwaalbos::Bytes;

// A condition, or a write's result.
template <typename Outcome>
void check(const Outcome& holds) {
  if (!static_cast<bool>(holds)) __builtin_trap();
}

// Memory-backed when the machine has it: every write is flushed to disk. Removed at the end.
const fs::path& folder() {
  static const fs::path made = [] {
    const fs::path base =
        fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    static std::string pattern = (base / "dwaalbos-fuzz-XXXXXX").string();
    check(mkdtemp(pattern.data()) != nullptr);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(pattern, ignored);
    });
    return fs::path(pattern);
  }();
  return made;
}

std::string planted(const char* name, std::span<const std::uint8_t> bytes) {
  const std::string path = (folder() / name).string();
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path;
}

Bytes contentOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The file is `written` followed by what the old file held beyond it, up to `largest` bytes in
// all.
void keptTail(const std::string& path, std::size_t written, std::span<const std::uint8_t> old,
              std::size_t largest) {
  const Bytes now = contentOf(path);
  check(now.size() == std::max(written, std::min(old.size(), largest)));
  if (now.size() > written)
    check(std::equal(now.begin() + written, now.end(), old.begin() + written));
}

// A change under the folder's lock.
dwaalbos::PlayerFile locked(const std::string& path) {
  return {path, (folder() / ".dwaalbos.lock").string()};
}

void levelFiles(std::span<const std::uint8_t> bytes) {
  const std::string path = planted("level.dwb", bytes);
  const auto level = dwaalbos::readLevelFile(path);
  if (!level) return;
  check(dwaalbos::writeLevelFile(path, *level));
  check(dwaalbos::readLevelFile(path) == level);
  const std::size_t record = dwaalbos::encodeLevel(*level).size();
  keptTail(path, record, bytes, dwaalbos::kLargestRecordBytes);
  check(dwaalbos::writeTestLevel(path, *level));
  check(dwaalbos::readLevelFile(path) == level && contentOf(path).size() == record);
}

void progress(std::span<const std::uint8_t> bytes) {
  const std::string path = planted("Niets.wav", bytes);
  const auto read = dwaalbos::readProgress(path);
  check(read.has_value());
  check(dwaalbos::openLevel(locked(path), false, read->P1));
  check(dwaalbos::openLevel(locked(path), true, read->P2));
  // Both values are written; one the file did not hold starts at 1.
  const auto again = dwaalbos::readProgress(path);
  check(again && contentOf(path).size() == dwaalbos::kProgressBytes);
  check(again->P1 == (bytes.size() >= 2 ? read->P1 : 1));
  check(again->P2 == (bytes.size() >= 4 ? read->P2 : 1));
}

void options(std::span<const std::uint8_t> bytes) {
  const std::string path = planted("Opties.dat", bytes);
  const auto read = dwaalbos::loadOptions(path);
  check(dwaalbos::saveOptions(path, read));
  check(dwaalbos::loadOptions(path) == read);
  keptTail(path, dwaalbos::kOptionsBytes, bytes, dwaalbos::kLargestOptionsFile);
}

// A new best of one move is kept for one level; every other stays as it was.
void scores(std::span<const std::uint8_t> bytes) {
  const std::string path = planted("Scores.dat", bytes);
  const auto read = dwaalbos::readBestResults(path);
  const int level = (bytes.empty() ? 0 : bytes[0]) % dwaalbos::kLastLevelNumber + 1;
  const auto saved = dwaalbos::recordBestResult(locked(path), level, 1);
  check(!saved || *saved);
  auto expected = read;
  expected.moves[static_cast<std::size_t>(level - 1)] = 1;
  check(dwaalbos::readBestResults(path).moves == expected.moves);
}

// A solution of one move is kept for one level unless one as short is kept; every other stays.
void solutions(std::span<const std::uint8_t> bytes) {
  const std::string path = planted("Oplossingen.dat", bytes);
  const auto read = dwaalbos::readBestSolutions(path);
  const int level = (bytes.empty() ? 0 : bytes[0]) % dwaalbos::kLastLevelNumber + 1;
  const auto saved = dwaalbos::recordBestSolution(locked(path), level, "S");
  check(!saved || *saved);
  auto expected = read.moves;
  if (expected[static_cast<std::size_t>(level - 1)].size() != 1)
    expected[static_cast<std::size_t>(level - 1)] = "S";
  const auto again = dwaalbos::readBestSolutions(path);
  check(!again.damaged && again.moves == expected);
}

// A result of one move is kept for one key: it becomes the newest; every other stays, unless
// the file was full and the oldest had to go. The made levels stay as they were until one is
// kept beside them.
void levelResults(std::span<const std::uint8_t> bytes) {
  const std::string path = planted("Resultaten.dat", bytes);
  const auto read = dwaalbos::readLevelResults(path);
  const std::uint64_t key = bytes.empty() ? 0 : bytes[0];
  const auto saved = dwaalbos::recordLevelResult(locked(path), key, 1, "S");
  check(!saved || *saved);
  auto expected = read.levels;
  const auto kept = read.of(key);
  if (!kept || kept->best != 1 || kept->solution.size() != 1) {
    std::erase_if(expected, [key](const auto& level) { return level.key == key; });
    if (expected.size() == dwaalbos::kMostKeptLevels) expected.erase(expected.begin());
    expected.push_back({key, 1, kept && kept->solution.size() == 1 ? kept->solution : "S"});
  }
  const auto again = dwaalbos::readLevelResults(path);
  check(!again.damaged && again.levels == expected && again.made == read.made);
  // The level made from `key` finds that result from now on.
  const std::uint64_t made = key + 1;
  const auto madeSaved = dwaalbos::recordMadeLevel(locked(path), made, key);
  check(!madeSaved || *madeSaved);
  const auto found = dwaalbos::readLevelResults(path);
  check(!found.damaged && found.levels == expected && found.ofMade(made) == found.of(key) &&
        found.made.size() <= dwaalbos::kMostMadeLevels);
}

void zoom(std::span<const std::uint8_t> bytes) {
  const std::string path = planted("Zoom.dat", bytes);
  const int percent = dwaalbos::readZoom(path).value_or(dwaalbos::kDefaultZoom);
  check(dwaalbos::writeZoom(path, percent));
  check(dwaalbos::readZoom(path) == percent);
}

void language(std::span<const std::uint8_t> bytes) {
  const std::string path = planted("Taal.dat", bytes);
  const auto chosen = dwaalbos::readLanguage(path).value_or(dwaalbos::Language::Dutch);
  check(dwaalbos::writeLanguage(path, chosen));
  check(dwaalbos::readLanguage(path) == chosen);
}

void copies(std::span<const std::uint8_t> bytes) {
  const std::string from = planted("bron", bytes);
  const std::string to = (folder() / "kopie").string();
  check(dwaalbos::copyFile(from, to));
  check(contentOf(to) == contentOf(from));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  levelFiles(bytes);
  progress(bytes);
  options(bytes);
  scores(bytes);
  solutions(bytes);
  levelResults(bytes);
  zoom(bytes);
  language(bytes);
  copies(bytes);
  return 0;
}
