#pragma once

#include "musicgen/song.h"

// The game's background music: calm forest tunes to puzzle by, each looping seamlessly.
namespace dwaalbos::music {

Song bospad();  // "Forest path": G major, a flute over harp and strings
Song dauw();    // "Dew": a slow waltz in F major
Song mos();     // "Moss": A dorian, small enough for the sound chip's eight voices

}  // namespace dwaalbos::music
