#include "progress.h"

#include <algorithm>

#include "byte_io.h"
#include "level_sets.h"

namespace dwaalbos {
namespace {

constexpr std::size_t kProgressBytes = 4;

WriteResult writeBoth(const std::string& path, std::int16_t p1, std::int16_t p2) {
  Bytes out;
  putI16(out, p1);
  putI16(out, p2);
  return overwriteFileStart(path, out);
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

WriteResult writeFirstSetProgress(const std::string& path, std::int16_t p1) {
  Bytes out;
  putI16(out, p1);
  return overwriteFileStart(path, out);
}

WriteResult writeSecondSetProgress(const std::string& path, std::int16_t p2) {
  const auto data = readFileStart(path, kProgressBytes);
  Bytes out;
  if (data && data->size() >= 2) {
    out.assign(data->begin(), data->begin() + 2);
  } else {
    putI16(out, 1);
  }
  putI16(out, p2);
  return overwriteFileStart(path, out);
}

Vordering openProgressForChooser(const std::string& path) {
  if (!fileExists(path)) writeBoth(path, 1, 1);
  Vordering stored = readProgress(path).value_or(Vordering{});
  if (stored.P1 == kSet1Records) {
    stored.P1 = kSet1Levels;
    writeFirstSetProgress(path, stored.P1);
  }
  if (stored.P2 == kSet2Records) {
    stored.P2 = kSet2Levels;
    writeBoth(path, stored.P1, stored.P2);
  }
  return {clampFirstSet(stored.P1), clampSecondSet(stored.P2)};
}

}  // namespace dwaalbos
