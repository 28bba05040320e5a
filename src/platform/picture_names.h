#pragma once

#include "level/cell_kinds.h"

// Every picture of the game: its name (the file plaatjes/<name>.png in the game folder) and
// its size. Pictures hold their object on white; a mask is black where its picture's object is
// and white elsewhere. No Qt here: the art generator shares this list.
namespace dwaalbos::plaatje {

// Every picture is also drawn four times as large, saved as plaatjes/<name>@4x.png, so that a
// zoomed board is brought down from finer art instead of enlarged.
inline constexpr int kLargeScale = 4;
inline constexpr const char* kLargeSuffix = "@4x";

struct Entry {
  const char* name;
  int width;
  int height;
};

// Board objects (40 x 40) are named with the cell kinds they show, in level/cell_kinds.h.

// The mark of a level completed in the fewest moves possible.
inline constexpr const char* kSter = "Ster";
inline constexpr const char* kStermask = "Stermask";

// The player's sheet: frames 0 and 40 across, facing rows up 0, right 40, down 80, left 120.
inline constexpr const char* kMan = "Man";
inline constexpr const char* kManmask = "Manmask";

// The play window's panel: background, and the pictures beside the two status pairs.
inline constexpr const char* kImage1 = "Image1";
inline constexpr const char* kImage2 = "Image2";
inline constexpr const char* kImage3 = "Image3";

// The editor's panel: the same paper behind the legend and the level's texts.
inline constexpr const char* kEditorpaneel = "Editorpaneel";

// The introduction screen's background.
inline constexpr const char* kSplashachtergrond = "Splashachtergrond";

// The main menu's button sheet: normal and highlighted look of each of the three buttons at
// the source rectangles the menu copies from (button 3 shares rows 198..201 of both looks,
// which are black).
inline constexpr const char* kMen = "Men";

// The mouse pointer over the menu buttons (its tip, the hot spot, is pixel 0, 0) and the window
// icon, each with a mask; `Pictures::withMask` makes them transparent.
inline constexpr const char* kWijzer = "Wijzer";
inline constexpr const char* kWijzermask = "Wijzermask";
inline constexpr const char* kIcoon = "Icoon";
inline constexpr const char* kIcoonmask = "Icoonmask";

inline constexpr Entry kAll[] = {
    {kMuur, 40, 40},           {kSchakr, 40, 40},
    {kSchakbl, 40, 40},        {kSchakmask, 40, 40},
    {kBlauwin, 40, 40},        {kBlauwuit, 40, 40},
    {kRoodin, 40, 40},         {kRooduit, 40, 40},
    {kInmask, 40, 40},         {kUitmask, 40, 40},
    {kBegin, 40, 40},          {kEind, 40, 40},
    {kBeginmask, 40, 40},      {kSleutel, 40, 40},
    {kSleutelmask, 40, 40},    {kSleutelblok, 40, 40},
    {kDuwblok, 40, 40},        {kDuwblokmask, 40, 40},
    {kPijllinks, 40, 40},      {kPijlomhoog, 40, 40},
    {kPijlomlaag, 40, 40},     {kPijlrechts, 40, 40},
    {kVierpijl, 40, 40},       {kVijand, 40, 40},
    {kVijandmask, 40, 40},     {kMan, 80, 160},
    {kManmask, 80, 160},       {kImage1, 167, 489},
    {kImage2, 37, 42},         {kImage3, 38, 40},
    {kEditorpaneel, 186, 480}, {kSplashachtergrond, 400, 300},
    {kMen, 375, 248},          {kWijzer, 32, 32},
    {kWijzermask, 32, 32},     {kIcoon, 64, 64},
    {kIcoonmask, 64, 64},      {kSter, 40, 40},
    {kStermask, 40, 40},
};

}  // namespace dwaalbos::plaatje
