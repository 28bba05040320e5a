#include "audio/wave_out_errors.h"

#include "level/translation.h"

namespace dwaalbos::waveout {

std::string waveOutGetErrorText(int code) {
  switch (code) {
    case kOk: return translated("sound", "Er is geen fout opgetreden.");
    case kError:
      return translated("sound", "Er is een onbekende fout opgetreden in de geluidsuitvoer.");
    case kAllocated: return translated("sound", "Het geluidsapparaat is al in gebruik.");
    case kInvalidHandle: return translated("sound", "De geluidsuitvoer is niet geopend.");
    case kNoDriver: return translated("sound", "Er is geen geluidsapparaat beschikbaar.");
    case kNoMemory:
      return translated("sound", "Er is niet genoeg geheugen voor de geluidsuitvoer.");
    case kInvalidParameter:
      return translated("sound", "Er is een ongeldige instelling aan de geluidsuitvoer gegeven.");
    case kBadFormat:
      return translated("sound", "Het gevraagde geluidsformaat wordt niet ondersteund.");
    default: {
      std::string text = translated("sound", "Onbekende fout %1 in de geluidsuitvoer.");
      if (const auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, std::to_string(code));
      return text;
    }
  }
}

}  // namespace dwaalbos::waveout
