#pragma once

#include <string>
#include <vector>

namespace dwaalbos {

// One file of the music folder: the bare name for the list and the full path to play.
struct Tune {
  std::string naam;
  std::string pad;
};

// The plain files of <gameFolder>/muziek, hidden ones left out, sorted by name without regard
// to case. Empty when the folder is missing or unreadable.
std::vector<Tune> allTunes(const std::string& gameFolder);

}  // namespace dwaalbos
