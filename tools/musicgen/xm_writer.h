#pragma once

#include "musicgen/song.h"
#include "synth/byte_writer.h"

namespace dwaalbos::music {

// A FastTracker 2 extended module: synthesised 16-bit instruments, one channel per lane of
// each part, a row per step, patterns of four bars. The order list loops to its start.
synth::Bytes xmFile(const Song& song);

}  // namespace dwaalbos::music
