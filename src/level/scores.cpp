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

BestResults readBestResults(const std::string& path) {
  BestResults results;
  const auto data = readFileStart(path, kFileSize + 1);
  if (!data || data->size() != kFileSize) return results;
  ByteReader reader(*data);
  if (reader.bytes(kMagic.size()) != std::string(kMagic)) return results;
  for (std::uint16_t& best : results.moves) best = reader.u16().value_or(0);
  return results;
}

std::optional<WriteResult> recordBestResult(const std::string& path, int levelNumber, int moves) {
  if (!isStandard(levelNumber) || moves < 1 || moves > UINT16_MAX) return std::nullopt;
  BestResults results = readBestResults(path);
  const int best = results.of(levelNumber);
  if (best != 0 && best <= moves) return std::nullopt;
  results.moves[static_cast<std::size_t>(levelNumber - 1)] = static_cast<std::uint16_t>(moves);
  Bytes out(kMagic.begin(), kMagic.end());
  for (std::uint16_t value : results.moves) putU16(out, value);
  return writeWholeFile(path, out);
}

}  // namespace dwaalbos
