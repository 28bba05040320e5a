#pragma once

#include "musicgen/song.h"
#include "synth/byte_writer.h"

namespace dwaalbos::music {

// A Standard MIDI File (format 1) for General MIDI players: a tempo track, then one track per
// instrument on its own channel, percussion on channel 10. Every track ends exactly at the
// song's length so a player that loops it keeps time.
synth::Bytes midiFile(const Song& song);

}  // namespace dwaalbos::music
