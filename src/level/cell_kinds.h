#pragma once

#include <cstdint>
#include <iterator>

#include "cell_codes.h"

// The pictures of the board's objects, by the name of their file plaatjes/<name>.png. A gate's
// picture shows what the gate does: "in" is open (you can go in), "uit" is closed.
namespace dwaalbos::plaatje {
inline constexpr const char* kMuur = "Muur";
inline constexpr const char* kSchakr = "Schakr";    // switch, red state
inline constexpr const char* kSchakbl = "Schakbl";  // switch, blue state
inline constexpr const char* kSchakmask = "schakmask";
inline constexpr const char* kBlauwin = "Blauwin";    // blue gate, open
inline constexpr const char* kBlauwuit = "Blauwuit";  // blue gate, closed
inline constexpr const char* kRoodin = "Roodin";      // red gate, open
inline constexpr const char* kRooduit = "Rooduit";    // red gate, closed
inline constexpr const char* kInmask = "inmask";      // both open gates
inline constexpr const char* kUitmask = "uitmask";    // both closed gates
inline constexpr const char* kBegin = "Begin";
inline constexpr const char* kEind = "eind";
inline constexpr const char* kBeginmask = "beginmask";  // start and end square
inline constexpr const char* kSleutel = "sleutel";
inline constexpr const char* kSleutelmask = "sleutelmask";
inline constexpr const char* kSleutelblok = "sleutelblok";
inline constexpr const char* kDuwblok = "duwblok";
inline constexpr const char* kDuwblokmask = "Duwblokmask";  // key block and push block
inline constexpr const char* kPijllinks = "pijllinks";
inline constexpr const char* kPijlomhoog = "pijlomhoog";
inline constexpr const char* kPijlomlaag = "pijlomlaag";
inline constexpr const char* kPijlrechts = "pijlrechts";
inline constexpr const char* kVierpijl = "vierpijl";
inline constexpr const char* kVijand = "Vijand";
inline constexpr const char* kVijandmask = "Vijandmask";
}  // namespace dwaalbos::plaatje

namespace dwaalbos {

// A picture and the mask it is pasted through; no mask pastes the whole square.
struct CellArt {
  const char* picture = nullptr;
  const char* mask = nullptr;
};

enum class GateColour : std::uint8_t { None, Blue, Red };

// Everything the game's parts know of one kind of cell besides its rule in play.
struct CellKind {
  std::int16_t code = -1;
  char symbol = '?';           // in a level's readable source
  const char* editorKey = "";  // the key that places it, named as under its legend picture
  int legendPlace = -1;        // in the editor's legend, four a row; -1 for none
  CellArt art{};               // in the editor, and in play while the switch is red
  CellArt blueArt{};           // in play while the switch is blue, where that differs
  bool inPlay = true;          // false: only the editor shows it, and it cannot be placed yet
  // What the solver's estimates rely on:
  bool fixed = false;  // no move changes it: a block never comes to rest on it, nothing empties it
  bool passable = true;                // can ever be walked into (a gate only while open)
  bool pushable = false;               // moves when walked into
  GateColour gate = GateColour::None;  // closed while the switch shows this colour
};

namespace cell_kinds_detail {
using namespace plaatje;
inline constexpr CellKind kTable[] = {
    {.code = cell::kEmpty, .symbol = '.', .editorKey = "Delete"},
    {.code = cell::kWall,
     .symbol = '#',
     .editorKey = "1",
     .legendPlace = 0,
     .art = {kMuur},
     .fixed = true,
     .passable = false},
    {.code = cell::kSwitch,
     .symbol = 's',
     .editorKey = "2",
     .legendPlace = 1,
     .art = {kSchakr, kSchakmask},
     .blueArt = {kSchakbl, kSchakmask},
     .fixed = true},
    {.code = cell::kBlueGate,
     .symbol = 'b',
     .editorKey = "3",
     .legendPlace = 2,
     .art = {kBlauwin, kInmask},
     .blueArt = {kBlauwuit, kUitmask},
     .fixed = true,
     .gate = GateColour::Blue},
    {.code = cell::kRedGate,
     .symbol = 'r',
     .editorKey = "4",
     .legendPlace = 3,
     .art = {kRooduit, kUitmask},
     .blueArt = {kRoodin, kInmask},
     .fixed = true,
     .gate = GateColour::Red},
    {.code = cell::kStart,
     .symbol = 'S',
     .editorKey = "5",
     .legendPlace = 4,
     .art = {kBegin, kBeginmask},
     .fixed = true},
    {.code = cell::kEnd,
     .symbol = 'E',
     .editorKey = "6",
     .legendPlace = 5,
     .art = {kEind, kBeginmask},
     .fixed = true},
    {.code = cell::kKey,
     .symbol = 'k',
     .editorKey = "7",
     .legendPlace = 6,
     .art = {kSleutel, kSleutelmask}},
    {.code = cell::kKeyBlock,
     .symbol = 'K',
     .editorKey = "8",
     .legendPlace = 7,
     .art = {kSleutelblok, kDuwblokmask}},
    {.code = cell::kPushBlock,
     .symbol = 'X',
     .editorKey = "9",
     .legendPlace = 8,
     .art = {kDuwblok, kDuwblokmask},
     .pushable = true},
    {.code = cell::kUnused,
     .symbol = '!',
     .editorKey = "F1",
     .legendPlace = 9,
     .art = {kVijand, kVijandmask},
     .inPlay = false,
     .fixed = true},
    {.code = cell::kArrowLeft,
     .symbol = '<',
     .editorKey = "F2",
     .legendPlace = 10,
     .art = {kPijllinks},
     .fixed = true},
    {.code = cell::kArrowUp,
     .symbol = '^',
     .editorKey = "F3",
     .legendPlace = 11,
     .art = {kPijlomhoog},
     .fixed = true},
    {.code = cell::kArrowDown,
     .symbol = 'v',
     .editorKey = "F4",
     .legendPlace = 12,
     .art = {kPijlomlaag},
     .fixed = true},
    {.code = cell::kArrowRight,
     .symbol = '>',
     .editorKey = "F5",
     .legendPlace = 13,
     .art = {kPijlrechts},
     .fixed = true},
    {.code = cell::kFourWay,
     .symbol = '+',
     .editorKey = "F6",
     .legendPlace = 14,
     .art = {kVierpijl},
     .fixed = true},
};
// A code no level should hold: nothing shows it and the estimates let it be.
inline constexpr CellKind kUnknown = {.inPlay = false};
}  // namespace cell_kinds_detail

// Every kind, in code order: kCellKinds[code].code == code.
inline constexpr const auto& kCellKinds = cell_kinds_detail::kTable;

constexpr const CellKind& cellKind(int code) {
  return code >= 0 && code < static_cast<int>(std::size(kCellKinds)) ? kCellKinds[code]
                                                                     : cell_kinds_detail::kUnknown;
}

// The art play shows for a kind as the switch stands (`schakelaar` true = red).
constexpr const CellArt& playArt(const CellKind& kind, bool schakelaar) {
  return schakelaar || !kind.blueArt.picture ? kind.art : kind.blueArt;
}

// Open for the player now: passable, and no gate of the switch's colour (true = red).
constexpr bool openNow(const CellKind& kind, bool schakelaar) {
  return kind.passable && kind.gate != (schakelaar ? GateColour::Red : GateColour::Blue);
}

}  // namespace dwaalbos
