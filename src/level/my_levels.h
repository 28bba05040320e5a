#pragma once

#include <string>
#include <vector>

#include "collection_file.h"

namespace dwaalbos {

// "Mijn levels": the collection the game makes by itself from the player's saved levels.
struct MyLevels {
  Collection collection;              // titled "Mijn levels"
  std::vector<std::string> files;     // the file each level was read from, in the same order
  std::vector<std::string> problems;  // for the player, in Dutch: files left out and why
};

// Every .dwb file directly in `folder`, sorted by file name, at most as many as a collection
// may hold. A file that does not hold a whole level is left out and told of; a missing folder
// makes an empty collection.
MyLevels myLevels(const std::string& folder);

}  // namespace dwaalbos
