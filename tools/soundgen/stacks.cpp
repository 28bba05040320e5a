#include "soundgen/stacks.h"

namespace dwaalbos::soundgen {

namespace {

std::vector<std::string> variantsOf(int slot, const std::vector<std::string>& files) {
  const std::string stem = std::to_string(slot);
  std::vector<std::string> variants;
  for (const std::string& file : files)
    if (file == stem + ".wav" || file.starts_with(stem + "_")) variants.push_back(file);
  return variants;
}

}  // namespace

const std::vector<Stack>& stacksStartedAtOnce() {
  // A push knocks as the player steps. A step ends in the key's jingle, the lock's creak or
  // the fanfare, or in the whoosh of a ride. (A push into arrows steps the blocks on only
  // after the push's walk and its follow lines.)
  static const std::vector<Stack> stacks = {
      {"push", {4, 5}},       {"ride", {5, 2}},  {"key", {5, 10}},
      {"key block", {5, 11}}, {"exit", {5, 12}},
  };
  return stacks;
}

std::vector<std::vector<std::string>> stackFiles(const Stack& stack,
                                                 const std::vector<std::string>& files) {
  std::vector<std::vector<std::string>> ways = {{}};
  for (int slot : stack.slots) {
    std::vector<std::vector<std::string>> longer;
    for (const auto& way : ways)
      for (const std::string& file : variantsOf(slot, files)) {
        longer.push_back(way);
        longer.back().push_back(file);
      }
    ways = std::move(longer);
  }
  return ways;
}

}  // namespace dwaalbos::soundgen
