#include "collection_commands.h"

#include <iostream>
#include <optional>

#include "level/collection_file.h"
#include "play/rules/rules.h"
#include "play/solver/quality.h"
#include "play/solver/solver.h"

namespace dwaalbos {
namespace {

int badArguments(const std::string& why) {
  std::cerr << "dwaalbos-tool: " << why << "\n"
            << "usage: dwaalbos-tool collect OUT.dws --title T --maker M [--comment C] "
               "LEVEL.dwb...\n"
               "       dwaalbos-tool check FILE.dws\n";
  return 2;
}

// The game's texts end lines with CR LF; a terminal wants LF.
std::string terminalText(std::string text) {
  std::erase(text, '\r');
  return text;
}

struct CollectRequest {
  std::string output;
  std::optional<std::string> title, maker;
  std::string comment;
  std::vector<std::string> levels;
};

// Nothing but the reason when the arguments make no request.
std::optional<std::string> parseCollect(const std::vector<std::string>& args,
                                        CollectRequest& request) {
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool option = arg == "--title" || arg == "--maker" || arg == "--comment";
    if (option && i + 1 == args.size()) return arg + " needs a value";
    if (arg == "--title") request.title = args[++i];
    else if (arg == "--maker") request.maker = args[++i];
    else if (arg == "--comment") request.comment = args[++i];
    else if (arg.starts_with("--")) return "unknown option " + arg;
    else positional.push_back(arg);
  }
  if (!request.title || !request.maker) return std::string("--title and --maker are needed");
  if (positional.size() < 2) return std::string("an output file and at least one level are needed");
  if (positional.size() - 1 > kMostCollectionLevels) return std::string("over 999 levels");
  request.output = positional.front();
  request.levels.assign(positional.begin() + 1, positional.end());
  return std::nullopt;
}

}  // namespace

int collectCommand(const std::vector<std::string>& args) {
  CollectRequest request;
  if (const auto why = parseCollect(args, request)) return badArguments(*why);
  Collection collection;
  collection.title.Naam = *request.title;
  collection.title.Maker = *request.maker;
  collection.title.Commentaar = request.comment;
  for (const std::string& path : request.levels) {
    auto level = readLevelFile(path);
    if (!level) return badArguments(path + " does not hold a whole level");
    collection.levels.push_back(std::move(*level));
  }
  const WriteResult written = writeCollection(request.output, collection);
  if (written) return 0;
  std::cerr << "dwaalbos-tool: cannot write " << request.output << ": " << written.reason() << '\n';
  return 1;
}

int checkCommand(const std::vector<std::string>& args) {
  if (args.size() != 1) return badArguments("check takes one collection file");
  const CollectionRead read = readCollection(args[0]);
  if (!read.whole()) std::cerr << terminalText(read.problem) << '\n';
  if (!read.titled) return 2;
  std::cout << "level\tmoves\tpositions\ttraps\tforced\tname\n";
  bool allSolvable = true;
  for (std::size_t i = 0; i < read.collection.levels.size(); ++i) {
    const Doolhof& level = read.collection.levels[i];
    const Solution solution = solve(level);
    std::cout << i + 1 << '\t';
    if (solution.solvable) {
      const LevelQuality quality = measureQuality(levelStart(level), solution.moves);
      std::cout << solution.moves.size() << '\t' << solution.states << '\t'
                << (quality.complete ? std::to_string(quality.traps) : std::string("unknown"))
                << '\t' << quality.forcedPercent() << " %";
    } else {
      std::cout << (solution.limitReached ? "unknown" : "unsolvable") << '\t' << solution.states
                << "\t-\t-";
      allSolvable = false;
    }
    std::cout << '\t' << level.Naam << '\n';
  }
  return allSolvable && read.whole() ? 0 : 1;
}

}  // namespace dwaalbos
