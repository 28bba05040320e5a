#include "best_solutions.h"

namespace dwaalbos {
namespace {

constexpr std::string_view kMagic = "DWOP";
constexpr std::uint16_t kVersion = 1;
constexpr std::size_t kHeaderBytes = kMagic.size() + 4;
constexpr std::size_t kLargestFile = kHeaderBytes + kLastLevelNumber * (4 + kLongestSolution);

bool isStandard(int levelNumber) { return levelNumber >= 1 && levelNumber <= kLastLevelNumber; }

BestSolutions damaged() {
  BestSolutions none;
  none.damaged = true;
  return none;
}

}  // namespace

std::string_view BestSolutions::of(int levelNumber) const {
  if (!isStandard(levelNumber)) return {};
  return moves[static_cast<std::size_t>(levelNumber - 1)];
}

bool validMoves(std::string_view moves) {
  return !moves.empty() && moves.size() <= kLongestSolution &&
         moves.find_first_not_of("LRUDS") == std::string_view::npos;
}

BestSolutions decodeBestSolutions(std::span<const std::uint8_t> data) {
  ByteReader reader(data);
  if (reader.bytes(kMagic.size()) != std::string(kMagic) || reader.u16() != kVersion)
    return damaged();
  const auto count = reader.u16();
  if (!count || *count > kLastLevelNumber) return damaged();
  BestSolutions solutions;
  int previous = 0;
  for (int i = 0; i < *count; ++i) {
    const auto number = reader.u16();
    const auto length = reader.u16();
    if (!number || !length || *number <= previous || !isStandard(*number)) return damaged();
    auto moves = reader.bytes(*length);
    if (!moves || !validMoves(*moves)) return damaged();
    solutions.moves[*number - 1u] = std::move(*moves);
    previous = *number;
  }
  if (reader.remaining() != 0) return damaged();
  return solutions;
}

Bytes encodeBestSolutions(const BestSolutions& solutions) {
  Bytes out(kMagic.begin(), kMagic.end());
  putU16(out, kVersion);
  std::uint16_t count = 0;
  for (const std::string& moves : solutions.moves) count += moves.empty() ? 0 : 1;
  putU16(out, count);
  for (int number = 1; number <= kLastLevelNumber; ++number) {
    const std::string_view moves = solutions.of(number);
    if (moves.empty()) continue;
    putU16(out, static_cast<std::uint16_t>(number));
    putU16(out, static_cast<std::uint16_t>(moves.size()));
    out.insert(out.end(), moves.begin(), moves.end());
  }
  return out;
}

BestSolutions readBestSolutions(const std::string& path) {
  if (!fileExists(path)) return {};
  const auto data = readFileStart(path, kLargestFile + 1);
  if (!data) return damaged();
  return decodeBestSolutions(*data);
}

// What cannot be read is rewritten whole, as a damaged file is.
std::optional<WriteResult> recordBestSolution(const PlayerFile& file, int levelNumber,
                                              std::string_view moves) {
  if (!isStandard(levelNumber) || !validMoves(moves)) return std::nullopt;
  return changeFile(file, kLargestFile + 1, 0, [&](const std::optional<Bytes>& now) {
    BestSolutions solutions = now ? decodeBestSolutions(*now) : BestSolutions{};
    std::string& kept = solutions.moves[static_cast<std::size_t>(levelNumber - 1)];
    if (!kept.empty() && kept.size() <= moves.size()) return std::optional<Bytes>();
    kept = moves;
    return std::optional(encodeBestSolutions(solutions));
  });
}

}  // namespace dwaalbos
