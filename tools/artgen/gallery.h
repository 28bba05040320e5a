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
void addSharingMask(Gallery& gallery, const char* name, const Sprite& sprite,
                    const Sprite& owner);

void addBoardTiles(Gallery& gallery);    // walls and arrows
void addBoardObjects(Gallery& gallery);  // start, end, key, blocks, enemy
void addGates(Gallery& gallery);         // switch and gates
void addWanderer(Gallery& gallery);      // the player's sheet
void addPanel(Gallery& gallery);         // the play window's panel pictures
void addMenuArt(Gallery& gallery);       // menu buttons, pointer, icon
void addSplash(Gallery& gallery);        // the introduction screen

// The window icon at size x size for the desktop's icon theme, transparent around it.
QImage desktopIcon(int size);

}  // namespace artgen
