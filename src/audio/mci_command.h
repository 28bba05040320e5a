#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dwaalbos {

// One command string for the sequencer: "<verb> <device> <keywords...>". The device is a file
// path. A path with spaces or quotes is written in double quotes with every quote inside
// doubled, so any path can name a device; a plain word needs no quotes.
struct MciCommand {
  std::string verb;                // lower case
  std::string device;              // exactly as named, quotes removed
  std::vector<std::string> words;  // lower case
};

struct MciParse {
  unsigned error = 0;
  MciCommand command;
};

MciParse parseMciCommand(std::string_view text);

// The path written as a device name that parseMciCommand reads back unchanged.
std::string mciDeviceName(std::string_view path);

}  // namespace dwaalbos
