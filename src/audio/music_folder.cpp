#include "audio/music_folder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "level/game_paths.h"

namespace dwaalbos {

namespace {

std::string lowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// Case decides only between names that are otherwise equal, so the order is always the same.
bool before(const Tune& a, const Tune& b) {
  const std::string lowerA = lowerCase(a.naam);
  const std::string lowerB = lowerCase(b.naam);
  return lowerA != lowerB ? lowerA < lowerB : a.naam < b.naam;
}

}  // namespace

std::vector<Tune> allTunes(const std::string& gameFolder) {
  namespace fs = std::filesystem;
  const std::string folder = GamePaths(gameFolder).music();
  std::vector<Tune> list;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string naam = it->path().filename().string();
    std::error_code typeError;
    if (naam.starts_with('.') || !it->is_regular_file(typeError)) continue;
    list.push_back({naam, folder + "/" + naam});
  }
  std::sort(list.begin(), list.end(), before);
  return list;
}

}  // namespace dwaalbos
