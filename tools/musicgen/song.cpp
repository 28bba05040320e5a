#include "musicgen/song.h"

namespace dwaalbos::music {

MixPlace mixPlace(Instrument instrument) {
  switch (instrument) {
    case Instrument::Flute: return {1.00, 0.10};
    case Instrument::Clarinet: return {0.60, -0.25};
    case Instrument::Strings: return {0.55, -0.15};
    case Instrument::Harp: return {0.50, 0.35};
    case Instrument::Bass: return {1.00, 0.0};
    case Instrument::Shaker: return {0.90, 0.45};
    case Instrument::Drum: return {0.80, -0.05};
  }
  return {0.5, 0.0};
}

bool isPercussion(Instrument instrument) {
  return instrument == Instrument::Shaker || instrument == Instrument::Drum;
}

const char* instrumentName(Instrument instrument) {
  switch (instrument) {
    case Instrument::Flute: return "Fluit";
    case Instrument::Clarinet: return "Klarinet";
    case Instrument::Strings: return "Strijkers";
    case Instrument::Harp: return "Harp";
    case Instrument::Bass: return "Bas";
    case Instrument::Shaker: return "Sjeker";
    case Instrument::Drum: return "Trommel";
  }
  return "";
}

}  // namespace dwaalbos::music
