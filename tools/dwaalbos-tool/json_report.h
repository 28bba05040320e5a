#pragma once

#include <string>

#include "play/headless/headless_host.h"
#include "play/solver/solver.h"

namespace dwaalbos {

// The tool's answers, one JSON object each; texts are UTF-8.
std::string playReport(HeadlessHost& host);
std::string solveReport(const Solution& solution);

}  // namespace dwaalbos
