#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "byte_io.h"

namespace dwaalbos {

// The play window's six options as `Opties.dat` holds them: six little-endian int16 values,
// no header, Booleans as -1 (true) and 0 (false).
struct StoredOptions {
  bool rechterkant = false;        // right-hand panel shown
  std::int16_t Loopvertraging = 0; // walking delay, ms
  bool volglijnen = false;         // follow lines drawn
  std::int16_t Lijnvertraging = 0; // follow-line delay, ms
  bool MetBitBlt = false;          // drawing path: raster operations or plain painting
  bool overgang = false;           // ring transition at a new level

  bool operator==(const StoredOptions&) const = default;
};

inline constexpr std::size_t kOptionsBytes = 12;

// Values the data is too short to hold read as 0 (false); any non-zero mark reads as true.
StoredOptions decodeOptions(std::span<const std::uint8_t> data);
Bytes encodeOptions(const StoredOptions& options);

// `laadopties`' file part: an absent file is created empty, so every value reads as 0. A file
// that can be neither read nor created also reads as all 0.
StoredOptions loadOptions(const std::string& path);
// `slaoptiesop`: writes the twelve bytes from the start of the file and keeps any bytes after
// them. On failure the caller plays on with what it has.
WriteResult saveOptions(const std::string& path, const StoredOptions& options);

}  // namespace dwaalbos
