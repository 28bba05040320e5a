#pragma once

#include <algorithm>
#include <array>
#include <string_view>

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
  const char* name = nullptr;
  int width = 0;
  int height = 0;
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
// The same with the buttons' captions in English.
inline constexpr const char* kMenEnglish = "MenEnglish";

// The mouse pointer over the menu buttons (its tip, the hot spot, is pixel 0, 0) and the window
// icon, each with a mask; `Pictures::withMask` makes them transparent.
inline constexpr const char* kWijzer = "Wijzer";
inline constexpr const char* kWijzermask = "Wijzermask";
inline constexpr const char* kIcoon = "Icoon";
inline constexpr const char* kIcoonmask = "Icoonmask";

namespace detail {
inline constexpr Entry kOthers[] = {
    {kMan, 80, 160},
    {kManmask, 80, 160},
    {kImage1, 167, 489},
    {kImage2, 37, 42},
    {kImage3, 38, 40},
    {kEditorpaneel, 186, 480},
    {kSplashachtergrond, 400, 300},
    {kMen, 375, 248},
    {kMenEnglish, 375, 248},
    {kWijzer, 32, 32},
    {kWijzermask, 32, 32},
    {kIcoon, 64, 64},
    {kIcoonmask, 64, 64},
    {kSter, 40, 40},
    {kStermask, 40, 40},
};

// Every picture and mask the cell kinds name, each once, a cell large.
struct CellPictures {
  std::array<Entry, 4 * std::size(kCellKinds)> entries{};
  std::size_t count = 0;
};

constexpr CellPictures cellPictures() {
  CellPictures found;
  for (const CellKind& kind : kCellKinds)
    for (const CellArt& art : {kind.art, kind.blueArt})
      for (const char* name : {art.picture, art.mask}) {
        if (!name) continue;
        const auto known = found.entries.begin() + static_cast<std::ptrdiff_t>(found.count);
        if (std::find_if(found.entries.begin(), known, [&](const Entry& entry) {
              return std::string_view(entry.name) == name;
            }) == known)
          found.entries[found.count++] = {name, kCellPixels, kCellPixels};
      }
  return found;
}

constexpr auto allPictures() {
  constexpr CellPictures cells = cellPictures();
  std::array<Entry, cells.count + std::size(kOthers)> all{};
  const auto next = std::copy_n(cells.entries.begin(), cells.count, all.begin());
  std::copy(std::begin(kOthers), std::end(kOthers), next);
  return all;
}
}  // namespace detail

// The board objects' pictures come from the cell kinds, so a new kind needs no entry here.
inline constexpr auto kAll = detail::allPictures();

}  // namespace dwaalbos::plaatje
