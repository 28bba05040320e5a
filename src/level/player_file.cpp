#include "player_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

#include "texts.h"

namespace dwaalbos {

FileLock FileLock::take(const std::string& lockPath, std::chrono::milliseconds patience) {
  const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (fd < 0) return FileLock(-1, false);
  const auto until = std::chrono::steady_clock::now() + patience;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK && errno != EINTR) break;  // a lock the system cannot give: go on
    if (std::chrono::steady_clock::now() >= until) return FileLock(fd, true);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return FileLock(fd, false);
}

FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);
}

FileLock::FileLock(FileLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), busy_(other.busy_) {}

std::optional<WriteResult> changeFile(const PlayerFile& file, std::size_t readLimit,
                                      std::size_t tailKept, const FileChange& change) {
  const FileLock lock = FileLock::take(file.lock);
  if (!lock) return WriteResult::failed(texts::tr(texts::kBezet));
  const auto now = readFileStart(file.path, readLimit);
  const auto changed = change(now);
  if (!changed) return std::nullopt;
  return overwriteFileStart(file.path, *changed, tailKept);
}

}  // namespace dwaalbos
