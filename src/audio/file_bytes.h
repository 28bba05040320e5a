#pragma once

#include <string>
#include <vector>

namespace dwaalbos {

// The whole of a regular file; empty when it is missing, unreadable or a folder.
std::vector<char> readFileBytes(const std::string& path);

}  // namespace dwaalbos
