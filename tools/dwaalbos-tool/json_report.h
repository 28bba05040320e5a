#pragma once

#include <string>

#include "level/shared_state.h"
#include "play/headless/headless_host.h"
#include "play/solver/solver.h"

namespace dwaalbos {

// The tool's answers, one JSON object each; texts are UTF-8.
std::string playReport(const SharedState& shared, HeadlessHost& host);
std::string solveReport(const Solution& solution);

}  // namespace dwaalbos
