#include "progress.h"

#include <algorithm>

#include "level_sets.h"

namespace dwaalbos {
namespace {

Bytes encodeProgress(Vordering values) {
  Bytes out;
  putI16(out, values.P1);
  putI16(out, values.P2);
  return out;
}

// The values a write keeps: a value the file does not hold starts at 1.
Vordering kept(const std::optional<Bytes>& now) {
  Vordering values;
  if (!now) return values;
  ByteReader reader(*now);
  values.P1 = reader.i16().value_or(1);
  values.P2 = reader.i16().value_or(1);
  return values;
}

}  // namespace

Vordering decodeProgress(std::span<const std::uint8_t> data) {
  ByteReader reader(data);
  Vordering values;
  values.P1 = reader.i16().value_or(0);
  values.P2 = reader.i16().value_or(0);
  return values;
}

std::optional<Vordering> readProgress(const std::string& path) {
  const auto data = readFileStart(path, kProgressBytes);
  if (!data) return std::nullopt;
  return decodeProgress(*data);
}

Vordering furthest(Vordering a, Vordering b) {
  return {std::max(a.P1, b.P1), std::max(a.P2, b.P2)};
}

std::int16_t clampFirstSet(std::int16_t p1) { return std::clamp<std::int16_t>(p1, 1, kSet1Levels); }

std::int16_t clampSecondSet(std::int16_t p2) {
  return std::clamp<std::int16_t>(p2, 1, kSet2Levels);
}

// Another game may have opened a further level since this one read the file.
WriteResult openLevel(const PlayerFile& file, bool secondSet, std::int16_t next) {
  return *changeFile(file, kProgressBytes, 0, [&](const std::optional<Bytes>& now) {
    Vordering values = kept(now);
    std::int16_t& value = secondSet ? values.P2 : values.P1;
    value = std::max(value, next);
    return std::optional(encodeProgress(values));
  });
}

Vordering openProgressForChooser(const PlayerFile& file) {
  changeFile(file, kProgressBytes, 0, [&](const std::optional<Bytes>& now) -> std::optional<Bytes> {
    const bool missing = !fileExists(file.path);
    Vordering values = missing ? Vordering{} : kept(now);
    const bool full = values.P1 == kSet1Records || values.P2 == kSet2Records;
    if (values.P1 == kSet1Records) values.P1 = kSet1Levels;
    if (values.P2 == kSet2Records) values.P2 = kSet2Levels;
    if (!missing && !full) return std::nullopt;
    return encodeProgress(values);
  });
  // Read again: a file that could not be corrected or made is listed as it stands.
  const Vordering stored = readProgress(file.path).value_or(Vordering{});
  return {clampFirstSet(stored.P1), clampSecondSet(stored.P2)};
}

}  // namespace dwaalbos
