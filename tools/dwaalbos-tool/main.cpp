// dwaalbos-tool: the game without a window, for level designers and for testing.
//   dwaalbos-tool play LEVEL.dwb KEYS [--answer yes|no]
//   dwaalbos-tool play --game DIR --level N KEYS [--answer yes|no]
//   dwaalbos-tool solve LEVEL.dwb   exit 0 solvable, 1 proven unsolvable, 3 search limit reached
//   dwaalbos-tool generate --difficulty makkelijk|gemiddeld|moeilijk|meester --seed N
//                 [--out FILE.dwb]   exit 2 for a wrong difficulty or seed, 3 when no level
//                                    was found for the seed
//   dwaalbos-tool collect OUT.dws --title T --maker M [--comment C] LEVEL.dwb...
//   dwaalbos-tool check FILE.dws
// KEYS: L R U D walk, S space, Z undo, Y redo; one letter per pass of the main loop.
#include <charconv>
#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "collection_commands.h"
#include "json_report.h"
#include "level/level_file.h"

using namespace dwaalbos;

namespace {

int usage() {
  std::cerr << "usage: dwaalbos-tool play LEVEL.dwb KEYS [--answer yes|no]\n"
               "       dwaalbos-tool play --game DIR --level N KEYS [--answer yes|no]\n"
               "       dwaalbos-tool solve LEVEL.dwb\n"
               "       dwaalbos-tool generate --difficulty makkelijk|gemiddeld|moeilijk|meester "
               "--seed N [--out FILE.dwb]\n"

               "       dwaalbos-tool collect OUT.dws --title T --maker M [--comment C] "
               "LEVEL.dwb...\n"
               "       dwaalbos-tool check FILE.dws\n";
  return 64;
}

struct PlayRequest {
  std::string level;  // a level file, or empty for a standard level
  std::string game = ".";
  int number = 0;
  std::string keys;
  bool answerYes = false;
};

bool parsePlay(const std::vector<std::string>& args, PlayRequest& request) {
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--answer" && hasValue) {
      const std::string& answer = args[++i];
      if (answer != "yes" && answer != "no") return false;
      request.answerYes = answer == "yes";
    } else if (arg == "--game" && hasValue) {
      request.game = args[++i];
    } else if (arg == "--level" && hasValue) {
      try {
        request.number = std::stoi(args[++i]);
      } catch (const std::exception&) {
        return false;
      }
      if (request.number < 1 || request.number > kLastLevelNumber) return false;
    } else {
      positional.push_back(arg);
    }
  }
  const std::size_t expected = request.number == 0 ? 2 : 1;
  if (positional.size() != expected) return false;
  if (request.number == 0) request.level = positional[0];
  request.keys = positional.back();
  return request.keys.find_first_not_of("LRUDSZY") == std::string::npos;
}

int play(const PlayRequest& request) {
  SharedState shared(request.game);
  if (request.number != 0) shared.readLevelSets();
  HeadlessHost host(shared, request.answerYes);
  const LevelRef level =
      request.number != 0 ? LevelRef::standard(request.number) : LevelRef::file(request.level);
  if (!host.play(level, request.keys)) {
    std::cerr << "dwaalbos-tool: cannot read the level\n";
    return 2;
  }
  std::cout << playReport(host) << '\n';
  return 0;
}

int solve(const std::string& path) {
  const auto level = readLevelFile(path);
  if (!level) {
    std::cerr << "dwaalbos-tool: cannot read " << path << '\n';
    return 2;
  }
  const Solution solution = dwaalbos::solve(*level);
  std::cout << solveReport(solution) << '\n';
  if (solution.solvable) return 0;
  return solution.limitReached ? 3 : 1;
}

struct GenerateRequest {
  std::string difficulty;
  std::string seed;
  std::string out;
};

bool parseGenerate(const std::vector<std::string>& args, GenerateRequest& request) {
  for (std::size_t i = 0; i + 1 < args.size(); i += 2) {
    const std::string& value = args[i + 1];
    if (args[i] == "--difficulty") request.difficulty = value;
    else if (args[i] == "--seed") request.seed = value;
    else if (args[i] == "--out") request.out = value;
    else return false;
  }
  return args.size() % 2 == 0 && !request.difficulty.empty() && !request.seed.empty();
}

int generate(const GenerateRequest& request) {
  const auto difficulty = difficultyNamed(request.difficulty);
  if (!difficulty) {
    std::cerr << "dwaalbos-tool: unknown difficulty \"" << request.difficulty
              << "\"; use makkelijk, gemiddeld, moeilijk or meester\n";
    return 2;
  }
  std::uint32_t seed = 0;
  const char* end = request.seed.data() + request.seed.size();
  const auto [past, error] = std::from_chars(request.seed.data(), end, seed);
  if (error != std::errc() || past != end || seed < 1 || seed > kLargestSeed) {
    std::cerr << "dwaalbos-tool: the seed must be a whole number from 1 to " << kLargestSeed
              << ", not \"" << request.seed << "\"\n";
    return 2;
  }
  const auto began = std::chrono::steady_clock::now();
  const Generation generation = generateLevel(*difficulty, seed);
  const auto took =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - began);
  if (!generation.made) {
    std::cerr << "dwaalbos-tool: no " << difficultyName(*difficulty) << " level was found for seed "
              << seed << "; try another number\n";
    return 3;
  }
  if (!request.out.empty()) {
    if (const WriteResult written = writeLevelFile(request.out, generation.made->level); !written) {
      std::cerr << "dwaalbos-tool: cannot write " << request.out << ": " << written.reason()
                << '\n';
      return 1;
    }
  }
  std::cout << generateReport(*generation.made, seed, *difficulty, static_cast<long>(took.count()))
            << '\n';
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return usage();
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (args[0] == "solve" && rest.size() == 1) return solve(rest[0]);
  GenerateRequest generation;
  if (args[0] == "generate" && parseGenerate(rest, generation)) return generate(generation);
  if (args[0] == "collect") return collectCommand(rest);
  if (args[0] == "check") return checkCommand(rest);
  PlayRequest request;
  if (args[0] == "play" && parsePlay(rest, request)) return play(request);
  return usage();
}
