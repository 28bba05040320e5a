#include "scores.h"

#include <string_view>

#include "byte_io.h"

namespace dwaalbos {
namespace {

constexpr std::string_view kMagic = "DWSC";
constexpr std::size_t kFileSize = kMagic.size() + 2 * kLastLevelNumber;

bool isStandard(int levelNumber) { return levelNumber >= 1 && levelNumber <= kLastLevelNumber; }

}  // namespace

int BestResults::of(int levelNumber) const {
  return isStandard(levelNumber) ? moves[static_cast<std::size_t>(levelNumber - 1)] : 0;
}

namespace {

BestResults decodeBestResults(const std::optional<Bytes>& data) {
  BestResults results;
  if (!data || data->size() != kFileSize) return results;
  ByteReader reader(*data);
  if (reader.bytes(kMagic.size()) != std::string(kMagic)) return results;
  for (std::uint16_t& best : results.moves) best = reader.u16().value_or(0);
  return results;
}

}  // namespace

BestResults readBestResults(const std::string& path) {
  return decodeBestResults(readFileStart(path, kFileSize + 1));
}

std::optional<WriteResult> recordBestResult(const PlayerFile& file, int levelNumber, int moves) {
  if (!isStandard(levelNumber) || moves < 1 || moves > UINT16_MAX) return std::nullopt;
  return changeFile(file, kFileSize + 1, 0, [&](const std::optional<Bytes>& now) {
    BestResults results = decodeBestResults(now);
    const int best = results.of(levelNumber);
    if (best != 0 && best <= moves) return std::optional<Bytes>();
    results.moves[static_cast<std::size_t>(levelNumber - 1)] = static_cast<std::uint16_t>(moves);
    Bytes out(kMagic.begin(), kMagic.end());
    for (std::uint16_t value : results.moves) putU16(out, value);
    return std::optional(out);
  });
}

}  // namespace dwaalbos
