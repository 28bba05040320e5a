#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace dwaalbos {

// The names of the regular files directly in `folder` whose name ends in `extension` (".dwb"),
// in any case, sorted; none when the folder is missing or cannot be read.
std::vector<std::string> fileNamesIn(const std::string& folder, const std::string& extension);

}  // namespace dwaalbos
