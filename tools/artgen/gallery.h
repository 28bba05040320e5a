#pragma once

#include <QImage>
#include <QString>

#include <utility>
#include <vector>

#include "platform/picture_names.h"
#include "sprite.h"

namespace artgen {

namespace plaatje = dwaalbos::plaatje;

// Pictures by the name they are saved under.
using Gallery = std::vector<std::pair<QString, QImage>>;

// Adds a picture and its mask.
void addMasked(Gallery& gallery, const char* name, const Sprite& sprite, const char* maskName);
// Adds a picture that is pasted through another picture's mask. Throws when the outlines
// differ: the board would show a fringe or lose part of the object.
void addSharingMask(Gallery& gallery, const char* name, const Sprite& sprite, const Sprite& owner);

// Each adds its pictures drawn `scale` times as large as the catalogue gives.
void addBoardTiles(Gallery& gallery, int scale);    // walls and arrows
void addBoardObjects(Gallery& gallery, int scale);  // start, end, key, blocks, enemy, star
void addGates(Gallery& gallery, int scale);         // switch and gates
void addWanderer(Gallery& gallery, int scale);      // the player's sheet
void addPanel(Gallery& gallery, int scale);         // the play window's panel pictures
void addMenuArt(Gallery& gallery, int scale);       // menu buttons, pointer, icon
void addSplash(Gallery& gallery, int scale);        // the introduction screen

// The window icon at size x size for the desktop's icon theme, transparent around it.
QImage desktopIcon(int size);
// The icons of a level file and of a collection file, likewise.
QImage levelFileIcon(int size);
QImage collectionFileIcon(int size);

}  // namespace artgen
