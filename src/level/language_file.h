#pragma once

#include <functional>
#include <optional>
#include <string>

#include "byte_io.h"
#include "translation.h"

namespace dwaalbos {

// The language file `Taal.dat` among the player's files: the four letters "DWTA" and the
// chosen language as a little-endian unsigned 16-bit value, 0 for Dutch and 1 for English, six
// bytes in all. Nothing is chosen while the file is absent; a file of another size, start or
// value is damaged and reads as nothing chosen as well.
std::optional<Language> readLanguage(const std::string& path);
WriteResult writeLanguage(const std::string& path, Language language);

// The language of the desktop, by the variables the system reads for a program's messages
// (LANGUAGE's list, then LC_ALL, LC_MESSAGES, LANG): the first of them naming Dutch or English
// decides, and Dutch is the game's own language when none does.
using Environment = std::function<const char*(const char* name)>;
Language desktopLanguage(const Environment& environment);

// The language the game starts in: the player's choice kept at `path`, or while there is none
// the desktop's.
Language languageAtStart(const std::string& path, const Environment& environment);

}  // namespace dwaalbos
