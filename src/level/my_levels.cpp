#include "my_levels.h"

#include <filesystem>

#include "file_messages.h"
#include "folder_files.h"
#include "texts.h"

namespace dwaalbos {

namespace fs = std::filesystem;

MyLevels myLevels(const std::string& folder) {
  MyLevels mine;
  mine.collection.title.Naam = texts::tr(texts::kMijnLevels);
  std::vector<std::string> names = fileNamesIn(folder, ".dwb");
  if (names.size() > kMostCollectionLevels) {
    names.resize(kMostCollectionLevels);
    mine.problems.push_back(folderTooFullText(folder));
  }
  for (const std::string& name : names) {
    const std::string path = (fs::path(folder) / name).string();
    auto level = readLevelFile(path);
    if (!level) {
      mine.problems.push_back(levelNotReadText(path));
      continue;
    }
    mine.collection.levels.push_back(std::move(*level));
    mine.files.push_back(path);
  }
  return mine;
}

}  // namespace dwaalbos
