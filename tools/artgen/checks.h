#pragma once

#include <QString>
#include <QStringList>

#include "gallery.h"

namespace artgen {

// What would show wrongly in the game: a mask that is not pure black and white or is empty, a
// picture that darkens the board around its object or has a white fringe along its outline,
// menu buttons whose two looks are the same or that bleed into the rows they share. Empty
// when all is well. `scale`: how many times as large as the catalogue the gallery is drawn.
QStringList pictureProblems(const Gallery& gallery, int scale);

}  // namespace artgen
