#include "collection_shelf.h"

#include <filesystem>

#include "folder_files.h"
#include "my_levels.h"

namespace dwaalbos {

std::vector<ShelvedCollection> collectionShelf(const std::vector<std::string>& folders,
                                               const std::string& levelsFolder) {
  std::vector<ShelvedCollection> shelf;
  for (const std::string& folder : folders) {
    std::vector<std::string> names = fileNamesIn(folder, ".dws");
    if (names.size() > kMostShelved) names.resize(kMostShelved);
    for (const std::string& name : names) {
      const std::string path = (std::filesystem::path(folder) / name).string();
      CollectionRead read = readCollection(path);
      if (read.titled) shelf.push_back({path, std::move(read)});
    }
  }
  shelf.push_back({levelsFolder, readShelved(levelsFolder)});
  return shelf;
}

CollectionRead readShelved(const std::string& path) {
  std::error_code ignored;
  if (!std::filesystem::is_directory(path, ignored)) return readCollection(path);
  MyLevels mine = myLevels(path);
  CollectionRead read{std::move(mine.collection), {}, true};
  for (const std::string& problem : mine.problems)
    read.problem += (read.problem.empty() ? "" : "\r\n") + problem;
  return read;
}

}  // namespace dwaalbos
