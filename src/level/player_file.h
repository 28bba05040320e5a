#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "byte_io.h"

namespace dwaalbos {

// A file of the player's that every game on his folder may change, and the lock file that
// lets one game at a time change it: two games that complete a level at once must not write
// each other's result away.
struct PlayerFile {
  std::string path;
  std::string lock;
};

// Holds the lock (flock) on a lock file until it goes.
class FileLock {
 public:
  // Tries for `patience` at most: a game that holds the lock longer is told, never waited for
  // without end. A lock file that cannot be made is no reason to refuse the change: the write
  // itself tells why the folder takes nothing.
  static FileLock take(const std::string& lockPath,
                       std::chrono::milliseconds patience = std::chrono::seconds(1));
  ~FileLock();
  FileLock(FileLock&& other) noexcept;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  FileLock& operator=(FileLock&&) = delete;

  // False when another game held the lock all the while.
  explicit operator bool() const { return !busy_; }

 private:
  FileLock(int fd, bool busy) : fd_(fd), busy_(busy) {}
  int fd_;
  bool busy_;
};

// What a change makes of a player's file: the new content, or nothing when nothing is to be
// written. `now` is the file's first bytes as read under the lock, nothing when it cannot be
// read (a link at the name is followed).
using FileChange = std::function<std::optional<Bytes>(const std::optional<Bytes>& now)>;

// Reads the file's first `readLimit` bytes under its lock, and writes what `change` makes of
// them, followed by at most `tailKept` bytes of the old file beyond it, before the lock is
// given up. The write's result, or nothing when the change wrote nothing.
std::optional<WriteResult> changeFile(const PlayerFile& file, std::size_t readLimit,
                                      std::size_t tailKept, const FileChange& change);

}  // namespace dwaalbos
