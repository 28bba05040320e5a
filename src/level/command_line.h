#pragma once

#include <string>
#include <vector>

namespace dwaalbos {

// What the program was asked to do by its arguments.
struct CommandLine {
  enum class Action { None, Play, Edit, Unknown };
  Action action = Action::None;
  std::string path;  // the level file for Play and Edit
};

// The arguments joined with single spaces form the command line; "a" or "A" followed by a path
// plays that file, "b" or "B" opens it in the editor (the letter may be a word of its own:
// "a /x.dwb"), and an absolute path by itself plays it too.
// Any other non-empty line is Unknown.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

}  // namespace dwaalbos
