// libFuzzer target over the Windows-1252 conversions, fed with arbitrary (mostly invalid)
// UTF-8: every byte string survives the way through UTF-8, and what the game stores from any
// text is one byte per character at most.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "level/cp1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (dwaalbos::utf8ToCp1252(dwaalbos::cp1252ToUtf8(bytes)) != bytes) __builtin_trap();
  const auto stored = dwaalbos::utf8ToCp1252(bytes);
  if (stored.size() > bytes.size()) __builtin_trap();
  if (dwaalbos::utf8ToCp1252(dwaalbos::cp1252ToUtf8(stored)) != stored) __builtin_trap();
  return 0;
}
