#pragma once

namespace dwaalbos {

// The toolkit's own texts (Yes, No, Cancel, the file dialogs) in Dutch, like every other text
// of the game. Call once after the application object exists; without the translation files
// the toolkit simply keeps its English.
void useDutchToolkitTexts();

}  // namespace dwaalbos
