// Writes the game's background music into the folder named on the command line: one tune as a
// module, one as MIDI, one as an SPC snapshot.
#include <exception>
#include <filesystem>
#include <iostream>

#include "musicgen/midi_writer.h"
#include "musicgen/spc_writer.h"
#include "musicgen/tunes.h"
#include "musicgen/xm_writer.h"

namespace {

using namespace dwaalbos::music;

struct MusicFile {
  const char* name;
  Song (*compose)();
  dwaalbos::synth::Bytes (*write)(const Song&);
};

const MusicFile kFiles[] = {
    {"Bospad.xm", bospad, xmFile},
    {"Dauw.mid", dauw, midiFile},
    {"Mos.spc", mos, spcFile},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: dwaalbos-musicgen <folder>\n";
    return 2;
  }
  try {
    const std::filesystem::path folder = argv[1];
    for (const MusicFile& file : kFiles)
      dwaalbos::synth::writeFile(folder / file.name, file.write(file.compose()));
  } catch (const std::exception& error) {
    std::cerr << "dwaalbos-musicgen: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
