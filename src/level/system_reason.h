#pragma once

#include <string>

namespace dwaalbos {

// Why a call on a file failed, for the player: the common reasons in Dutch, any other in the
// system's own words.
std::string systemReason(int error);

}  // namespace dwaalbos
