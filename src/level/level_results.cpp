#include "level_results.h"

#include <algorithm>
#include <unordered_set>

#include "best_solutions.h"

namespace dwaalbos {
namespace {

constexpr std::string_view kMagic = "DWRE";
constexpr std::uint16_t kVersion = 1;
constexpr std::size_t kHeaderBytes = kMagic.size() + 4;
constexpr std::size_t kEntryBytes = 12;
constexpr std::size_t kLargestFile =
    kHeaderBytes + kMostKeptLevels * (kEntryBytes + kLongestKeptSolution);

LevelResults damaged() {
  LevelResults none;
  none.damaged = true;
  return none;
}

bool keptSolution(std::string_view moves) {
  return moves.size() <= kLongestKeptSolution && (moves.empty() || validMoves(moves));
}

std::optional<LevelResult> decodeEntry(ByteReader& reader) {
  const auto key = reader.u64();
  const auto best = reader.u16();
  const auto length = reader.u16();
  if (!key || !best || !length || *best == 0) return std::nullopt;
  auto solution = reader.bytes(*length);
  if (!solution || !keptSolution(*solution)) return std::nullopt;
  return LevelResult{*key, *best, std::move(*solution)};
}

// The level's result with `moves` and `solution` in it; nothing when neither beats it.
std::optional<LevelResult> improved(LevelResult kept, int moves, std::string_view solution) {
  bool better = false;
  if (kept.best == 0 || moves < kept.best) {
    kept.best = static_cast<std::uint16_t>(moves);
    better = true;
  }
  if (!solution.empty() && keptSolution(solution) &&
      (kept.solution.empty() || solution.size() < kept.solution.size())) {
    kept.solution = solution;
    better = true;
  }
  if (!better) return std::nullopt;
  return kept;
}

}  // namespace

const LevelResult* LevelResults::of(std::uint64_t key) const& {
  const auto found =
      std::find_if(levels.begin(), levels.end(), [key](const auto& l) { return l.key == key; });
  return found == levels.end() ? nullptr : &*found;
}

LevelResults decodeLevelResults(std::span<const std::uint8_t> data) {
  ByteReader reader(data);
  if (reader.bytes(kMagic.size()) != std::string(kMagic) || reader.u16() != kVersion)
    return damaged();
  const auto count = reader.u16();
  if (!count || *count > kMostKeptLevels) return damaged();
  LevelResults results;
  std::unordered_set<std::uint64_t> keys;
  for (int i = 0; i < *count; ++i) {
    auto entry = decodeEntry(reader);
    if (!entry || !keys.insert(entry->key).second) return damaged();
    results.levels.push_back(std::move(*entry));
  }
  if (reader.remaining() != 0) return damaged();
  return results;
}

Bytes encodeLevelResults(const LevelResults& results) {
  Bytes out(kMagic.begin(), kMagic.end());
  putU16(out, kVersion);
  putU16(out, static_cast<std::uint16_t>(results.levels.size()));
  for (const LevelResult& level : results.levels) {
    putU64(out, level.key);
    putU16(out, level.best);
    putU16(out, static_cast<std::uint16_t>(level.solution.size()));
    out.insert(out.end(), level.solution.begin(), level.solution.end());
  }
  return out;
}

LevelResults readLevelResults(const std::string& path) {
  if (!fileExists(path)) return {};
  const auto data = readFileStart(path, kLargestFile + 1);
  if (!data) return damaged();
  return decodeLevelResults(*data);
}

// What cannot be read is rewritten whole, as a damaged file is.
std::optional<WriteResult> recordLevelResult(const PlayerFile& file, std::uint64_t key, int moves,
                                             std::string_view solution) {
  if (moves < 1 || moves > UINT16_MAX ||
      solution.find_first_not_of("LRUDS") != std::string_view::npos)
    return std::nullopt;
  return changeFile(file, kLargestFile + 1, 0, [&](const std::optional<Bytes>& now) {
    LevelResults results = now ? decodeLevelResults(*now) : LevelResults{};
    const LevelResult* kept = results.of(key);
    auto changed = improved(kept ? *kept : LevelResult{key, 0, {}}, moves, solution);
    if (!changed) return std::optional<Bytes>();
    std::erase_if(results.levels, [key](const LevelResult& l) { return l.key == key; });
    if (results.levels.size() >= kMostKeptLevels) results.levels.erase(results.levels.begin());
    results.levels.push_back(std::move(*changed));
    return std::optional(encodeLevelResults(results));
  });
}

}  // namespace dwaalbos
