#pragma once

#include <string>
#include <vector>

// Sounds the game starts at once: with the walking delay at 0 a move's sounds all begin within
// a few milliseconds, and they add up.
namespace dwaalbos::soundgen {

struct Stack {
  const char* what;
  std::vector<int> slots;  // a slot twice stands for two different variants of it
};

// Every stack of effects one move can start together.
const std::vector<Stack>& stacksStartedAtOnce();

// The files a stack can sound as, one list per way its variants can fall (the step's variants
// of <slot>.wav, <slot>_2.wav, ... among `files`), never one variant twice in a stack.
std::vector<std::vector<std::string>> stackFiles(const Stack& stack,
                                                 const std::vector<std::string>& files);

}  // namespace dwaalbos::soundgen
