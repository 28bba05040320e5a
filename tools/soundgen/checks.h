#pragma once

#include <string>
#include <vector>

#include "soundgen/levels.h"

namespace dwaalbos::soundgen {

struct Written {
  std::string file;
  synth::Signal sound;  // as written
  Level level;
};

// What a player would hear wrongly in the finished sounds: a sound that missed its loudness,
// a step that sits where small speakers and music hide it, a creak too faint to hear, sounds
// started together that would clip. Empty when all is well.
std::vector<std::string> soundProblems(const std::vector<Written>& sounds);

}  // namespace dwaalbos::soundgen
