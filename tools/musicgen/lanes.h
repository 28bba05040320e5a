#pragma once

#include <vector>

#include "musicgen/song.h"

namespace dwaalbos::music {

// Splits a part into as few single-note lanes as possible, for formats whose channels (module
// channels, sound chip voices) play one note at a time. A note ending at the very step another
// starts lets that one follow it in the same lane.
std::vector<std::vector<Note>> splitIntoLanes(const std::vector<Note>& notes);

}  // namespace dwaalbos::music
