#pragma once

#include <string>

#include "level/game_paths.h"
#include "level/language_file.h"
#include "level/translation.h"

namespace dwaalbos {

// Every text of the game, and the toolkit's own (Yes, No, Cancel, the file dialogs), in
// `language` from now on; the game's translations are read from `translationsFolder`. Every
// open window is told to show its texts anew. Call after the application object exists;
// without a translation file the texts stay Dutch, without the toolkit's the toolkit's stay
// English.
void speakLanguage(Language language, const std::string& translationsFolder);
// As the game starts: in the language kept in the player's folder, or else the desktop's.
void speakStartingLanguage(const GamePaths& paths, const Environment& environment);

}  // namespace dwaalbos
