#pragma once

#include <string>

#include "play/generator/generator.h"
#include "play/headless/headless_host.h"
#include "play/solver/solver.h"

namespace dwaalbos {

// The tool's answers, one JSON object each; texts are UTF-8.
std::string playReport(HeadlessHost& host);
std::string solveReport(const Solution& solution);
std::string generateReport(const GeneratedLevel& made, std::uint32_t seed, Difficulty difficulty,
                           long milliseconds);

}  // namespace dwaalbos
