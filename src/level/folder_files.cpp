#include "folder_files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace dwaalbos {
namespace {

namespace fs = std::filesystem;

std::string lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

std::vector<std::string> fileNamesIn(const std::string& folder, const std::string& extension) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (lowered(it->path().extension().string()) == lowered(extension) &&
        it->is_regular_file(ignored))
      names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace dwaalbos
