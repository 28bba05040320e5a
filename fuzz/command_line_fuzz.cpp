// libFuzzer target over the command line: the input, split at NUL bytes, is the argument list.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "level/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> arguments(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) arguments.emplace_back();
    else arguments.back().push_back(static_cast<char>(data[i]));
  }
  const auto command = dwaalbos::parseCommandLine(arguments);
  using Action = dwaalbos::CommandLine::Action;
  const bool withPath = command.action == Action::Play || command.action == Action::Edit;
  if (!withPath && !command.path.empty()) __builtin_trap();
  return 0;
}
