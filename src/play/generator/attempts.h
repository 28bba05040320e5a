#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <stop_token>

#include "generator.h"

namespace dwaalbos {

// What one numbered attempt at a level came to, and the positions it visited.
struct AttemptResult {
  std::optional<GeneratedLevel> level;
  std::size_t spent = 0;
};

// One attempt: its answer depends on its number alone, never on the attempts beside it.
using Attempt = std::function<AttemptResult(int number, std::stop_token)>;

// The level of the first attempt in order that made one, unless the attempts before it
// together spent `budget` positions. Up to `threads` attempts run at once; a later one that
// finishes first waits for the verdict of those before it, so the answer is the same for any
// number of threads. Attempts that cannot matter any more are stopped.
Generation firstMade(const Attempt& attempt, std::size_t budget, int threads, std::stop_token stop);

}  // namespace dwaalbos
