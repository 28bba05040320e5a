#include "command_line.h"

namespace dwaalbos {

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  std::string line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (i > 0) line += ' ';
    line += arguments[i];
  }
  if (line.empty()) return {};
  switch (line.front()) {
    case 'a':
    case 'A': return {CommandLine::Action::Play, line.substr(1)};
    case 'b':
    case 'B': return {CommandLine::Action::Edit, line.substr(1)};
    // A whole path by itself, as a file manager opens a file with the game.
    case '/': return {CommandLine::Action::Play, line};
    default: return {CommandLine::Action::Unknown, {}};
  }
}

}  // namespace dwaalbos
