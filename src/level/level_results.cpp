#include "level_results.h"

#include <algorithm>
#include <unordered_set>

#include "best_solutions.h"

namespace dwaalbos {
namespace {

constexpr std::string_view kMagic = "DWRE";
constexpr std::uint16_t kVersion = 2;
constexpr std::uint16_t kVersionWithoutMade = 1;
constexpr std::size_t kHeaderBytes = kMagic.size() + 4;
constexpr std::size_t kEntryBytes = 12;
constexpr std::size_t kMadeBytes = 16;
constexpr std::size_t kLargestFile = kHeaderBytes +
                                     kMostKeptLevels * (kEntryBytes + kLongestKeptSolution) + 2 +
                                     kMostMadeLevels * kMadeBytes;

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

// The made levels of a file of version 2, after its levels; nothing when they break the format.
std::optional<std::vector<MadeLevel>> decodeMade(ByteReader& reader) {
  const auto count = reader.u16();
  if (!count || *count > kMostMadeLevels) return std::nullopt;
  std::vector<MadeLevel> made;
  std::unordered_set<std::uint64_t> seen;
  for (int i = 0; i < *count; ++i) {
    const auto from = reader.u64();
    const auto key = reader.u64();
    if (!from || !key || *from == 0 || !seen.insert(*from).second) return std::nullopt;
    made.push_back({*from, *key});
  }
  return made;
}

// The file as it is now, with `change` made to its results; no write when the change answers
// false (nothing to keep). What cannot be read is rewritten whole, as a damaged file is.
template <class Change>
std::optional<WriteResult> changeResults(const PlayerFile& file, const Change& change) {
  return changeFile(file, kLargestFile + 1, 0, [&](const std::optional<Bytes>& now) {
    LevelResults results = now ? decodeLevelResults(*now) : LevelResults{};
    if (!change(results)) return std::optional<Bytes>();
    return std::optional(encodeLevelResults(results));
  });
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

const LevelResult* LevelResults::ofMade(std::uint64_t from) const& {
  const auto found = std::ranges::find(made, from, &MadeLevel::made);
  return found == made.end() ? nullptr : of(found->key);
}

LevelResults decodeLevelResults(std::span<const std::uint8_t> data) {
  ByteReader reader(data);
  if (reader.bytes(kMagic.size()) != std::string(kMagic)) return damaged();
  const auto version = reader.u16();
  if (version != kVersion && version != kVersionWithoutMade) return damaged();
  const auto count = reader.u16();
  if (!count || *count > kMostKeptLevels) return damaged();
  LevelResults results;
  std::unordered_set<std::uint64_t> keys;
  for (int i = 0; i < *count; ++i) {
    auto entry = decodeEntry(reader);
    if (!entry || !keys.insert(entry->key).second) return damaged();
    results.levels.push_back(std::move(*entry));
  }
  if (version == kVersion) {
    auto made = decodeMade(reader);
    if (!made) return damaged();
    results.made = std::move(*made);
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
  putU16(out, static_cast<std::uint16_t>(results.made.size()));
  for (const MadeLevel& made : results.made) {
    putU64(out, made.made);
    putU64(out, made.key);
  }
  return out;
}

LevelResults readLevelResults(const std::string& path) {
  if (!fileExists(path)) return {};
  const auto data = readFileStart(path, kLargestFile + 1);
  if (!data) return damaged();
  return decodeLevelResults(*data);
}

std::optional<WriteResult> recordLevelResult(const PlayerFile& file, std::uint64_t key, int moves,
                                             std::string_view solution) {
  if (moves < 1 || moves > UINT16_MAX ||
      solution.find_first_not_of("LRUDS") != std::string_view::npos)
    return std::nullopt;
  return changeResults(file, [&](LevelResults& results) {
    const LevelResult* kept = results.of(key);
    auto changed = improved(kept ? *kept : LevelResult{key, 0, {}}, moves, solution);
    if (!changed) return false;
    std::erase_if(results.levels, [key](const LevelResult& l) { return l.key == key; });
    if (results.levels.size() >= kMostKeptLevels) results.levels.erase(results.levels.begin());
    results.levels.push_back(std::move(*changed));
    return true;
  });
}

std::optional<WriteResult> recordMadeLevel(const PlayerFile& file, std::uint64_t made,
                                           std::uint64_t key) {
  if (made == 0) return std::nullopt;
  return changeResults(file, [&](LevelResults& results) {
    const MadeLevel entry{made, key};
    if (std::ranges::find(results.made, entry) != results.made.end()) return false;
    std::erase_if(results.made, [made](const MadeLevel& m) { return m.made == made; });
    if (results.made.size() >= kMostMadeLevels) results.made.erase(results.made.begin());
    results.made.push_back(entry);
    return true;
  });
}

}  // namespace dwaalbos
