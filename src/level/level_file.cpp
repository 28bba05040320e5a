#include "level_file.h"

#include <limits>

#include "cp1252.h"
#include "texts.h"
#include "translation.h"

namespace dwaalbos {
namespace {

// A text longer than its 16-bit length field can count is cut rather than written corrupt.
void putText(Bytes& out, const std::string& utf8) {
  std::string bytes = utf8ToCp1252(utf8);
  if (bytes.size() > std::numeric_limits<std::uint16_t>::max())
    bytes.resize(std::numeric_limits<std::uint16_t>::max());
  putU16(out, static_cast<std::uint16_t>(bytes.size()));
  out.insert(out.end(), bytes.begin(), bytes.end());
}

std::optional<std::string> getText(ByteReader& reader) {
  const auto length = reader.u16();
  if (!length) return std::nullopt;
  auto bytes = reader.bytes(*length);
  if (!bytes) return std::nullopt;
  return cp1252ToUtf8(*bytes);
}

}  // namespace

Bytes encodeLevel(const Doolhof& level) {
  Bytes out;
  out.reserve(kEmptyRecordBytes + level.Naam.size() + level.Maker.size() + level.Commentaar.size());
  for (std::int16_t value : level.Vakken.flat()) putI16(out, value);
  putText(out, level.Naam);
  putText(out, level.Maker);
  putText(out, level.Commentaar);
  return out;
}

std::optional<Doolhof> decodeLevel(ByteReader& reader) {
  ByteReader attempt = reader;
  Doolhof level;
  for (auto& value : level.Vakken.flat()) {
    const auto read = attempt.i16();
    if (!read) return std::nullopt;
    value = *read;
  }
  for (std::string* text : {&level.Naam, &level.Maker, &level.Commentaar}) {
    auto read = getText(attempt);
    if (!read) return std::nullopt;
    *text = std::move(*read);
  }
  reader = attempt;
  return level;
}

std::vector<Doolhof> decodeLevels(ByteReader& reader, std::size_t most) {
  std::vector<Doolhof> levels;
  while (levels.size() < most) {
    auto level = decodeLevel(reader);
    if (!level) break;
    levels.push_back(std::move(*level));
  }
  return levels;
}

// Names are short in nearly every file: a short read first, so that a list of many files
// reads little of each, and the largest record's length only when that was not enough.
std::optional<Doolhof> readLevelFile(const std::string& path) {
  constexpr std::size_t kUsualRecordBytes = 4096;
  for (const std::size_t limit : {kUsualRecordBytes, kLargestRecordBytes}) {
    const auto data = readFileStart(path, limit);
    if (!data) return std::nullopt;
    ByteReader reader(*data);
    if (auto level = decodeLevel(reader)) return level;
    if (data->size() < limit) return std::nullopt;
  }
  return std::nullopt;
}

std::string nameAndMaker(const Doolhof& level) {
  if (level.Maker.empty()) return level.Naam;
  return filled(texts::tr(texts::kNaamDoorMaker), {level.Naam, level.Maker});
}

std::string levelFileHeading(const std::string& path) {
  const auto level = readLevelFile(path);
  return level ? nameAndMaker(*level) : std::string();
}

WriteResult writeLevelFile(const std::string& path, const Doolhof& level) {
  const Bytes record = encodeLevel(level);
  return overwriteFileStart(path, record, kLargestRecordBytes - record.size());
}

WriteResult writeTestLevel(const std::string& path, const Doolhof& level) {
  return writeWholeFile(path, encodeLevel(level));
}

}  // namespace dwaalbos
