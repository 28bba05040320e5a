#include "volume_file.h"

#include <string_view>

namespace dwaalbos {
namespace {

constexpr std::string_view kMagic = "DWVL";
constexpr std::size_t kFileSize = kMagic.size() + 4;

bool isPercentage(int value) { return value >= 0 && value <= kMaxVolume; }

}  // namespace

std::optional<Geluidssterkte> readVolume(const std::string& path) {
  const auto data = readTaggedFile(path, kMagic, kFileSize);
  if (!data) return std::nullopt;
  ByteReader reader(*data);
  const auto muziek = reader.u16();
  const auto geluid = reader.u16();
  if (!muziek || !geluid || !isPercentage(*muziek) || !isPercentage(*geluid)) return std::nullopt;
  return Geluidssterkte{*muziek, *geluid};
}

WriteResult writeVolume(const std::string& path, const Geluidssterkte& volume) {
  if (!isPercentage(volume.muziek) || !isPercentage(volume.geluid))
    return WriteResult::failed("geen percentage: " + std::to_string(volume.muziek) + ", " +
                               std::to_string(volume.geluid));
  Bytes out(kMagic.begin(), kMagic.end());
  putU16(out, static_cast<std::uint16_t>(volume.muziek));
  putU16(out, static_cast<std::uint16_t>(volume.geluid));
  return writeWholeFile(path, out);
}

}  // namespace dwaalbos
