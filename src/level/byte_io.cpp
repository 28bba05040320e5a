#include "byte_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <limits>
#include <utility>

#include "system_reason.h"

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

std::optional<std::uint64_t> ByteReader::u64() {
  if (remaining() < 8) return std::nullopt;
  std::uint64_t value = 0;
  for (std::size_t i = 8; i-- > 0;) value = value << 8 | data_[pos_ + i];
  pos_ += 8;
  return value;
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

void putU64(Bytes& out, std::uint64_t value) {
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

WriteResult WriteResult::failedFromErrno() { return failed(systemReason(errno)); }

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kChunk = 65536;

// An open file descriptor, closed when it goes.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now, so that a failing close can be told; errno says why.
  bool close() { return ::close(std::exchange(fd_, -1)) == 0; }

 private:
  int fd_;
};

// Never waits for a writer of a pipe nor for a device: what is not a regular file is refused
// before a byte is read.
Descriptor openRegular(const std::string& path, int extraFlags) {
  Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | extraFlags));
  struct stat about {};
  if (!file.valid()) return file;
  if (::fstat(file.get(), &about) != 0) return Descriptor(-1);
  if (!S_ISREG(about.st_mode)) {
    errno = EINVAL;
    return Descriptor(-1);
  }
  return file;
}

// Calls `use` with each chunk read from `fd` up to `limit` bytes; false when a read or `use`
// failed, with errno saying why.
template <typename Use>
bool readChunks(int fd, std::size_t limit, Use use) {
  std::array<std::uint8_t, kChunk> chunk;
  for (std::size_t done = 0; done < limit;) {
    const ssize_t got = ::read(fd, chunk.data(), std::min(chunk.size(), limit - done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    if (!use(std::span<const std::uint8_t>(chunk.data(), static_cast<std::size_t>(got))))
      return false;
    done += static_cast<std::size_t>(got);
  }
  return true;
}

bool writeAll(int fd, std::span<const std::uint8_t> data) {
  while (!data.empty()) {
    const ssize_t put = ::write(fd, data.data(), data.size());
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) return false;
    data = data.subspan(static_cast<std::size_t>(put));
  }
  return true;
}

// Writes the regular file at `path` to `out`, all of it; a missing file fails.
bool copyWhole(const std::string& path, int out) {
  const Descriptor in = openRegular(path, 0);
  return in.valid() &&
         readChunks(in.get(), std::numeric_limits<std::size_t>::max(),
                    [out](std::span<const std::uint8_t> chunk) { return writeAll(out, chunk); });
}

// Writes at most `limit` bytes of the old file at `path`, from `offset` on, to `out` and counts
// those beyond them in `dropped`. The old file is never read through a link at the name: the
// link is what gets replaced, and a missing file or a link has nothing to keep.
bool copyTail(const std::string& path, std::size_t offset, std::size_t limit, int out,
              std::uint64_t& dropped) {
  const Descriptor in = openRegular(path, O_NOFOLLOW);
  if (!in.valid()) return errno == ENOENT || errno == ELOOP || errno == EINVAL;
  struct stat about {};
  if (::fstat(in.get(), &about) != 0) return false;
  const auto size = static_cast<std::uint64_t>(about.st_size);
  if (size <= offset) return true;
  const std::uint64_t kept = std::min<std::uint64_t>(size - offset, limit);
  dropped = size - offset - kept;
  if (::lseek(in.get(), static_cast<off_t>(offset), SEEK_SET) < 0) return false;
  return readChunks(in.get(), static_cast<std::size_t>(kept),
                    [out](std::span<const std::uint8_t> chunk) { return writeAll(out, chunk); });
}

// A file of its own beside `target`, made anew (never an old file nor a link followed), with
// the mode the umask leaves of rw for all. Empty name and an invalid descriptor on failure.
std::pair<std::string, Descriptor> createBeside(const fs::path& target) {
  static std::atomic<unsigned> counter = 0;
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  // Short enough to stay within a file name's limit with what is added.
  const std::string base = target.filename().string().substr(0, 200);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name =
        "." + base + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
    const std::string path = (folder / name).string();
    Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (file.valid()) return {path, std::move(file)};
    if (errno != EEXIST) break;
  }
  return {"", Descriptor(-1)};
}

// The rename itself lasts a crash only once the folder is on disk too.
void syncFolder(const fs::path& target) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.valid()) ::fsync(dir.get());
}

// `fill` writes the new content into the open file and says whether it could, with errno.
template <typename Fill>
WriteResult replaceFile(const std::string& path, Fill fill) {
  errno = 0;
  auto [temp, file] = createBeside(path);
  if (!file.valid()) return WriteResult::failedFromErrno();
  bool written = fill(file.get()) && ::fsync(file.get()) == 0;
  written = file.close() && written;
  if (written && ::rename(temp.c_str(), path.c_str()) == 0) {
    syncFolder(path);
    return WriteResult::done();
  }
  const int error = errno;
  ::unlink(temp.c_str());
  errno = error;
  return WriteResult::failedFromErrno();
}

}  // namespace

std::optional<Bytes> readFileStart(const std::string& path, std::size_t limit) {
  const Descriptor file = openRegular(path, 0);
  if (!file.valid()) return std::nullopt;
  Bytes data;
  const bool read = readChunks(file.get(), limit, [&data](std::span<const std::uint8_t> chunk) {
    data.insert(data.end(), chunk.begin(), chunk.end());
    return true;
  });
  if (!read) return std::nullopt;
  return data;
}

WriteResult overwriteFileStart(const std::string& path, std::span<const std::uint8_t> data,
                               std::size_t tailKept) {
  std::uint64_t dropped = 0;
  const WriteResult written = replaceFile(path, [&](int out) {
    return writeAll(out, data) && copyTail(path, data.size(), tailKept, out, dropped);
  });
  return written ? WriteResult::done(dropped) : written;
}

WriteResult writeWholeFile(const std::string& path, std::span<const std::uint8_t> data) {
  return replaceFile(path, [&](int out) { return writeAll(out, data); });
}

WriteResult copyFile(const std::string& from, const std::string& to) {
  return replaceFile(to, [&](int out) { return copyWhole(from, out); });
}

WriteResult makeFolders(const std::string& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  return ec ? WriteResult::failed(systemReason(ec.value())) : WriteResult::done();
}

bool fileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

void removeFile(const std::string& path) {
  std::error_code ignored;
  if (!fs::is_directory(fs::symlink_status(path, ignored))) fs::remove(path, ignored);
}

}  // namespace dwaalbos
