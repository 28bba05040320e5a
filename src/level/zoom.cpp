#include "zoom.h"

#include <algorithm>
#include <string_view>

#include "cell_codes.h"

namespace dwaalbos {
namespace {

constexpr std::string_view kMagic = "DWZM";
constexpr std::size_t kFileSize = kMagic.size() + 2;

bool fits(Area window, Area available, int percent) {
  return static_cast<long>(window.width) * percent <= static_cast<long>(available.width) * 100 &&
         static_cast<long>(window.height) * percent <= static_cast<long>(available.height) * 100;
}

}  // namespace

bool isZoomStep(int percent) {
  return std::find(kZoomSteps.begin(), kZoomSteps.end(), percent) != kZoomSteps.end();
}

int largerZoomStep(int percent) {
  const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
  return next == kZoomSteps.end() ? percent : *next;
}

int smallerZoomStep(int percent) {
  const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
  return next == kZoomSteps.begin() ? percent : *(next - 1);
}

int largestFittingZoom(Area window, Area available, int ceiling) {
  for (auto step = kZoomSteps.rbegin(); step != kZoomSteps.rend(); ++step) {
    if (*step <= ceiling && fits(window, available, *step)) return *step;
  }
  return kZoomSteps.front();
}

double fittingScale(Area content, Area space) {
  if (content.width <= 0 || content.height <= 0) return 100.0;
  const long square = std::min(static_cast<long>(space.width) * kCellPixels / content.width,
                               static_cast<long>(space.height) * kCellPixels / content.height);
  return std::max(1L, square) * 100.0 / kCellPixels;
}

std::optional<int> readZoom(const std::string& path) {
  const auto data = readTaggedFile(path, kMagic, kFileSize);
  if (!data) return std::nullopt;
  ByteReader reader(*data);
  const auto percent = reader.u16();
  if (!percent || !isZoomStep(*percent)) return std::nullopt;
  return *percent;
}

WriteResult writeZoom(const std::string& path, int percent) {
  if (!isZoomStep(percent)) return WriteResult::failed("geen zoomstap: " + std::to_string(percent));
  Bytes out(kMagic.begin(), kMagic.end());
  putU16(out, static_cast<std::uint16_t>(percent));
  return writeWholeFile(path, out);
}

}  // namespace dwaalbos
