#include "audio/wave_out_errors.h"

namespace dwaalbos::waveout {

std::string waveOutGetErrorText(int code) {
  switch (code) {
    case kOk: return "Er is geen fout opgetreden.";
    case kError: return "Er is een onbekende fout opgetreden in de geluidsuitvoer.";
    case kAllocated: return "Het geluidsapparaat is al in gebruik.";
    case kInvalidHandle: return "De geluidsuitvoer is niet geopend.";
    case kNoDriver: return "Er is geen geluidsapparaat beschikbaar.";
    case kNoMemory: return "Er is niet genoeg geheugen voor de geluidsuitvoer.";
    case kInvalidParameter: return "Er is een ongeldige instelling aan de geluidsuitvoer gegeven.";
    case kBadFormat: return "Het gevraagde geluidsformaat wordt niet ondersteund.";
    default: return "Onbekende fout " + std::to_string(code) + " in de geluidsuitvoer.";
  }
}

}  // namespace dwaalbos::waveout
