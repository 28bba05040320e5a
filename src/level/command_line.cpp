#include "command_line.h"

namespace dwaalbos {

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  std::string line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (i > 0) line += ' ';
    line += arguments[i];
  }
  if (line.empty()) return {};
  // The letter typed as a word of its own ("a FILE"): the space that joined it is not the path's.
  const std::size_t pathFrom = arguments.front().size() == 1 && arguments.size() > 1 ? 2 : 1;
  switch (line.front()) {
    case 'a':
    case 'A': return {CommandLine::Action::Play, line.substr(pathFrom)};
    case 'b':
    case 'B': return {CommandLine::Action::Edit, line.substr(pathFrom)};
    // A whole path by itself, as a file manager opens a file with the game.
    case '/': return {CommandLine::Action::Play, line};
    default: return {CommandLine::Action::Unknown, {}};
  }
}

}  // namespace dwaalbos
