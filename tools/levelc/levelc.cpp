// Compiles readable level sources into the game's binary records: one source gives a level
// file, several in a row give a standard level set file. With --set 1 or --set 2 the set is
// checked first, and a set that would play wrongly is not written.
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "level/level_file.h"
#include "level/level_text.h"
#include "set_checks.h"

namespace {

bool readSource(const char* path, std::vector<dwaalbos::Doolhof>& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << path << ": cannot read\n";
    return false;
  }
  std::stringstream text;
  text << in.rdbuf();
  const auto parsed = dwaalbos::parseLevelText(text.str());
  if (const auto* error = std::get_if<dwaalbos::LevelTextError>(&parsed)) {
    std::cerr << path << ":" << error->line << ": " << error->message << '\n';
    return false;
  }
  out.push_back(std::get<dwaalbos::Doolhof>(parsed));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int set = 0;
  if (argc > 2 && std::strcmp(argv[1], "--set") == 0) {
    set = std::atoi(argv[2]);
    argc -= 2;
    argv += 2;
  }
  if (argc < 3 || (set != 0 && set != 1 && set != 2)) {
    std::cerr << "usage: dwaalbos-levelc [--set 1|2] OUTPUT SOURCE...\n";
    return 2;
  }
  std::vector<dwaalbos::Doolhof> levels;
  for (int i = 2; i < argc; ++i)
    if (!readSource(argv[i], levels)) return 1;
  if (set != 0) {
    const auto problems = dwaalbos::levelc::levelSetProblems(levels, set);
    for (const std::string& problem : problems) std::cerr << "levelc: " << problem << '\n';
    if (!problems.empty()) return 1;
  }
  dwaalbos::Bytes out;
  for (const dwaalbos::Doolhof& level : levels) {
    const auto record = dwaalbos::encodeLevel(level);
    out.insert(out.end(), record.begin(), record.end());
  }
  std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  if (!file) {
    std::cerr << argv[1] << ": cannot write\n";
    return 1;
  }
  return 0;
}
