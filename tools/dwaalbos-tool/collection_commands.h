#pragma once

#include <string>
#include <vector>

namespace dwaalbos {

// dwaalbos-tool collect OUT.dws --title T --maker M [--comment C] LEVEL.dwb...
// Exit 0 written, 1 the file could not be written, 2 bad arguments or an unreadable level.
int collectCommand(const std::vector<std::string>& args);

// dwaalbos-tool check FILE.dws: every level's shortest solution and quality figures.
// Exit 0 all solvable, 1 a level is not proven solvable or the file is damaged (the levels
// before the damage are still checked), 2 bad arguments or no collection at all.
int checkCommand(const std::vector<std::string>& args);

}  // namespace dwaalbos
