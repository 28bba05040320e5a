// Compiles readable level sources into the game's binary records: one source gives a level
// file, several in a row give a standard level set file.
#include <fstream>
#include <iostream>
#include <sstream>
#include <variant>

#include "level/level_file.h"
#include "level/level_text.h"

namespace {

bool appendSource(const char* path, dwaalbos::Bytes& out) {
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
  const auto record = dwaalbos::encodeLevel(std::get<dwaalbos::Doolhof>(parsed));
  out.insert(out.end(), record.begin(), record.end());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: dwaalbos-levelc OUTPUT SOURCE...\n";
    return 2;
  }
  dwaalbos::Bytes out;
  for (int i = 2; i < argc; ++i)
    if (!appendSource(argv[i], out)) return 1;
  std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  if (!file) {
    std::cerr << argv[1] << ": cannot write\n";
    return 1;
  }
  return 0;
}
