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
  std::optional<std::uint64_t> u64();
  std::optional<std::string> bytes(std::size_t count);
  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return data_.size() - pos_; }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
};

void putU16(Bytes& out, std::uint16_t value);
void putI16(Bytes& out, std::int16_t value);
void putU64(Bytes& out, std::uint64_t value);

// How a write ended: true when it succeeded, else false with the reason for the player.
class WriteResult {
 public:
  // `dropped`: bytes of the old file that a valid file could not hold, left out.
  static WriteResult done(std::uint64_t dropped = 0) { return WriteResult("", dropped); }
  // From `errno` as the failing call left it.
  static WriteResult failedFromErrno();
  static WriteResult failed(std::string reason) { return WriteResult(std::move(reason), 0); }
  explicit operator bool() const { return reason_.empty(); }
  const std::string& reason() const { return reason_; }
  std::uint64_t dropped() const { return dropped_; }

 private:
  WriteResult(std::string reason, std::uint64_t dropped)
      : reason_(std::move(reason)), dropped_(dropped) {}
  std::string reason_;
  std::uint64_t dropped_;
};

// The file's first `limit` bytes (all of it when shorter), or nothing when it cannot be
// opened or read or is no regular file (a pipe or a device is refused at once). Readers pass
// the largest size a valid file can have, so that a huge file of the right name costs no
// more memory than a valid one.
std::optional<Bytes> readFileStart(const std::string& path, std::size_t limit);
// Every write of a file goes the same way: the new content is written to a file of its own
// beside the old one and flushed to disk, then renamed over the old name. A failure removes
// the new file and leaves the old one as it was; a link at the name is replaced, never the
// file it points to. New files get the mode the user's umask allows.
//
// Writes `data` from offset 0 and keeps up to `tailKept` bytes of the old file beyond it, so
// that a huge file of the right name costs no more than a valid one; the result tells how many
// were left out.
WriteResult overwriteFileStart(const std::string& path, std::span<const std::uint8_t> data,
                               std::size_t tailKept);
// Replaces the file's whole content with `data`.
WriteResult writeWholeFile(const std::string& path, std::span<const std::uint8_t> data);
// A copy of a regular file at `to`; a failed copy leaves no file there.
WriteResult copyFile(const std::string& from, const std::string& to);
// Makes the folder and the folders above it that are missing.
WriteResult makeFolders(const std::string& folder);
bool fileExists(const std::string& path);
// Removes the file (or a link of that name) when it is there.
void removeFile(const std::string& path);

}  // namespace dwaalbos
