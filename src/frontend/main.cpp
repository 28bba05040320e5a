#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "level/command_line.h"
#include "level/shared_state.h"

int main(int argc, char** argv) {
  const auto folder = std::filesystem::canonical("/proc/self/exe").parent_path().string();
  dwaalbos::SharedState state(folder);
  state.readLevelSets();
  const auto command = dwaalbos::parseCommandLine({argv + 1, argv + argc});
  std::cout << "Dwaalbos: " << state.sets.Levelset1.size() - 1 << " + "
            << state.sets.Levelset2.size() - 1 << " standaardlevels gelezen";
  if (command.action != dwaalbos::CommandLine::Action::None) std::cout << ", bestand " << command.path;
  std::cout << ". Het speelvenster bestaat nog niet.\n";
  return 0;
}
