// Writes the options file the game folder ships with: the play window as it was designed.
#include <iostream>

#include "level/options_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: dwaalbos-opties <Opties.dat>\n";
    return 2;
  }
  const dwaalbos::Opties design{.rechterkant = true,
                                .Loopvertraging = 40,
                                .volglijnen = true,
                                .Lijnvertraging = 20,
                                .MetBitBlt = true,
                                .overgang = true};
  if (!dwaalbos::saveOptions(argv[1], design)) {
    std::cerr << "dwaalbos-opties: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
