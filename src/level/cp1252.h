#pragma once

#include <string>
#include <string_view>

namespace dwaalbos {

// Level texts are single-byte Windows-1252. The five bytes that code page leaves undefined map
// to the C1 controls of the same value, so that every byte sequence survives a round trip.
std::string cp1252ToUtf8(std::string_view bytes);

// Characters Windows-1252 cannot hold become '?'; malformed UTF-8 bytes do too.
std::string utf8ToCp1252(std::string_view text);

}  // namespace dwaalbos
