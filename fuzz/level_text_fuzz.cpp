// libFuzzer target over the parser of the level sources in data/: any text it accepts it
// writes back in a form that parses to the same level.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

#include "level/level_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto parsed = dwaalbos::parseLevelText(text);
  const auto* level = std::get_if<dwaalbos::Doolhof>(&parsed);
  if (!level) return 0;
  const auto again = dwaalbos::parseLevelText(dwaalbos::formatLevelText(*level));
  const auto* back = std::get_if<dwaalbos::Doolhof>(&again);
  if (!back || !(*back == *level)) __builtin_trap();
  return 0;
}
