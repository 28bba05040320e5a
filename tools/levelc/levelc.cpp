// Compiles readable level sources into the game's binary records: one source gives a level
// file, several in a row give a standard level set file or a collection. With --set 1 or
// --set 2 the set is checked first, with --collection the collection (against the levels of
// the --unlike files too), and one that would play wrongly is not written.
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "level/collection_file.h"
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

// What the command line asks for, the sources and output aside.
struct Request {
  int set = 0;
  bool collection = false;
  std::vector<dwaalbos::Doolhof> unlike;  // levels a collection's levels must not copy
};

// Takes the options off the front of the arguments; false when one is wrong.
bool parseOptions(int& argc, char**& argv, Request& request) {
  while (argc > 1 && std::strncmp(argv[1], "--", 2) == 0) {
    const std::string option = argv[1];
    if (option == "--collection") {
      request.collection = true;
      --argc;
      ++argv;
      continue;
    }
    if (argc < 3) return false;
    if (option == "--set") request.set = std::atoi(argv[2]);
    else if (option == "--unlike") {
      const auto data = dwaalbos::readFileStart(argv[2], dwaalbos::kLargestCollectionBytes);
      if (!data) return false;
      dwaalbos::ByteReader reader(*data);
      const auto levels = dwaalbos::decodeLevels(reader, dwaalbos::kMostCollectionLevels);
      request.unlike.insert(request.unlike.end(), levels.begin(), levels.end());
    } else return false;
    argc -= 2;
    argv += 2;
  }
  return request.set >= 0 && request.set <= 2 && !(request.set != 0 && request.collection);
}

bool writeRecords(const char* path, const std::vector<dwaalbos::Doolhof>& levels) {
  dwaalbos::Bytes out;
  for (const dwaalbos::Doolhof& level : levels) {
    const auto record = dwaalbos::encodeLevel(level);
    out.insert(out.end(), record.begin(), record.end());
  }
  return static_cast<bool>(dwaalbos::writeWholeFile(path, out));
}

}  // namespace

int main(int argc, char** argv) {
  Request request;
  if (!parseOptions(argc, argv, request) || argc < 3) {
    std::cerr
        << "usage: dwaalbos-levelc [--set 1|2] OUTPUT SOURCE...\n"
           "       dwaalbos-levelc --collection [--unlike SETFILE]... OUTPUT TITLE LEVEL...\n";
    return 2;
  }
  std::vector<dwaalbos::Doolhof> levels;
  for (int i = 2; i < argc; ++i)
    if (!readSource(argv[i], levels)) return 1;
  std::vector<std::string> problems;
  if (request.set != 0) problems = dwaalbos::levelc::levelSetProblems(levels, request.set);
  if (request.collection) problems = dwaalbos::levelc::collectionProblems(levels, request.unlike);
  for (const std::string& problem : problems) std::cerr << "levelc: " << problem << '\n';
  if (!problems.empty()) return 1;
  if (!writeRecords(argv[1], levels)) {
    std::cerr << argv[1] << ": cannot write\n";
    return 1;
  }
  return 0;
}
