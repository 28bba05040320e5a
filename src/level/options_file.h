#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "byte_io.h"

namespace dwaalbos {

// The play window's six options, edited by the window and read by the game as it plays.
// `Opties.dat` holds them as six little-endian int16 values, no header, Booleans as -1 (true)
// and 0 (false); the defaults are the window's marks before the first load.
struct Opties {
  bool rechterkant = true;  // right-hand panel shown
  int Loopvertraging = 0;   // ms after each step of the walking animation
  bool volglijnen = true;   // follow lines played back
  int Lijnvertraging = 0;   // ms after each follow-line bar; 0 becomes 20 when first used
  bool MetBitBlt = false;   // draw with raster operations (true) or plain painting (false)
  bool overgang = false;    // ring transition at a new level

  bool operator==(const Opties&) const = default;
};

inline constexpr std::size_t kOptionsBytes = 12;
// Bytes after the twelve are never read but kept, as far as an options file of a later game
// with more options could reach.
inline constexpr std::size_t kLargestOptionsFile = 4096;

// Values the data is too short to hold read as 0 (false); any non-zero mark reads as true.
Opties decodeOptions(std::span<const std::uint8_t> data);
Bytes encodeOptions(const Opties& options);

// `laadopties`' file part: an absent file is created empty, so every value reads as 0. A file
// that can be neither read nor created also reads as all 0 (not as the defaults above).
Opties loadOptions(const std::string& path);
// `slaoptiesop`: writes the twelve bytes from the start of the file and keeps the bytes after
// them up to kLargestOptionsFile. On failure the caller plays on with what it has.
WriteResult saveOptions(const std::string& path, const Opties& options);

}  // namespace dwaalbos
