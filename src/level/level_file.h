#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "byte_io.h"
#include "doolhof.h"

namespace dwaalbos {

// A record is 338 bytes of cells, then name, maker and comment, each a uint16 length and that
// many Windows-1252 bytes. No header, no checksum.
inline constexpr std::size_t kBoardBytes = 338;
inline constexpr std::size_t kEmptyRecordBytes = 344;
inline constexpr std::size_t kLargestRecordBytes = kEmptyRecordBytes + 3 * 65535;

Bytes encodeLevel(const Doolhof& level);

// Decodes one record from the reader's position. Nothing when the data ends before the record
// does; the reader then stays where it was.
std::optional<Doolhof> decodeLevel(ByteReader& reader);

// Up to `most` whole records one after another from the reader's position; the reader stops
// after the last whole one, so what remains is what could not be read.
std::vector<Doolhof> decodeLevels(ByteReader& reader, std::size_t most);

// The first record of a level file; bytes after it are ignored. Nothing when the file is
// missing or does not hold a whole record.
std::optional<Doolhof> readLevelFile(const std::string& path);

// "Naam door Maker", or the name alone when the maker is not named.
std::string nameAndMaker(const Doolhof& level);
// The name and maker of a level file's first record, which in a collection file names the
// collection; empty when the file holds no whole record.
std::string levelFileHeading(const std::string& path);

// Writes the record from the start of the file and keeps what a longer old file holds after
// it, which readers ignore, up to the largest record's length.
WriteResult writeLevelFile(const std::string& path, const Doolhof& level);

// The editor's test level: the file holds exactly this one record.
WriteResult writeTestLevel(const std::string& path, const Doolhof& level);

}  // namespace dwaalbos
