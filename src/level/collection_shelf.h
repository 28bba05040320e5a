#pragma once

#include <string>
#include <vector>

#include "collection_file.h"

namespace dwaalbos {

// Every collection the chooser offers: the .dws files of each folder in turn (sorted by file
// name, at most kMostShelved of a folder), then "Mijn levels", made of the .dwb files of the
// player's levels folder. A file that is no collection at all is left out; a damaged one is
// offered with the levels before its damage and its problem.
inline constexpr std::size_t kMostShelved = 200;

struct ShelvedCollection {
  std::string path;  // the file, or the levels folder for "Mijn levels"
  CollectionRead read;
};

std::vector<ShelvedCollection> collectionShelf(const std::vector<std::string>& folders,
                                               const std::string& levelsFolder);

// The collection at `path`: a collection file, or a folder read as "Mijn levels".
CollectionRead readShelved(const std::string& path);

}  // namespace dwaalbos
