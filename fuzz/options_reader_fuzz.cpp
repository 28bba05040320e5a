// libFuzzer target over the options file reader: whatever it reads, it writes back and reads
// again as the same options.
#include <cstddef>
#include <cstdint>
#include <span>

#include "level/options_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto options = dwaalbos::decodeOptions(std::span<const std::uint8_t>(data, size));
  if (!(dwaalbos::decodeOptions(dwaalbos::encodeOptions(options)) == options)) __builtin_trap();
  return 0;
}
