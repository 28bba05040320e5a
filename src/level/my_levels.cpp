#include "my_levels.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "file_messages.h"
#include "texts.h"

namespace dwaalbos {
namespace {

namespace fs = std::filesystem;

bool isLevelFile(const fs::directory_entry& entry) {
  std::error_code ignored;
  std::string extension = entry.path().extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".dwb" && entry.is_regular_file(ignored);
}

std::vector<std::string> levelFileNames(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    if (isLevelFile(*it)) names.push_back(it->path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

MyLevels myLevels(const std::string& folder) {
  MyLevels mine;
  mine.collection.title.Naam = texts::kMijnLevels;
  std::vector<std::string> names = levelFileNames(folder);
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
