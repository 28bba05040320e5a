#pragma once

#include "musicgen/song.h"
#include "synth/byte_writer.h"

namespace dwaalbos::music {

// An SPC file (version 0.30): a snapshot of the sound processor's 64 KiB of memory holding our
// own driver, its tables, the instruments' BRR samples and the song's events, with the sound
// chip's registers set up (volumes, echo, sample directory) and the processor about to start
// the driver. A song needing more than the chip's eight voices is refused.
synth::Bytes spcFile(const Song& song);

}  // namespace dwaalbos::music
