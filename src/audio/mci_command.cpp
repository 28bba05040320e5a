#include "audio/mci_command.h"

#include <algorithm>
#include <cctype>

#include "audio/mci_errors.h"

namespace dwaalbos {

namespace {

bool isSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

void skipSpaces(std::string_view text, std::size_t& at) {
  while (at < text.size() && isSpace(text[at])) ++at;
}

std::string lowerCase(std::string_view word) {
  std::string lower(word);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

std::string_view nextWord(std::string_view text, std::size_t& at) {
  skipSpaces(text, at);
  const std::size_t start = at;
  while (at < text.size() && !isSpace(text[at])) ++at;
  return text.substr(start, at - start);
}

// Reads a quoted device name starting at the opening quote; false when it never closes.
bool readQuoted(std::string_view text, std::size_t& at, std::string& name) {
  for (++at; at < text.size(); ++at) {
    if (text[at] != '"') {
      name += text[at];
    } else if (at + 1 < text.size() && text[at + 1] == '"') {
      name += '"';
      ++at;
    } else {
      ++at;
      return true;
    }
  }
  return false;
}

}  // namespace

MciParse parseMciCommand(std::string_view text) {
  MciParse parse;
  std::size_t at = 0;
  parse.command.verb = lowerCase(nextWord(text, at));
  if (parse.command.verb.empty()) {
    parse.error = mci::kMissingCommandString;
    return parse;
  }
  skipSpaces(text, at);
  if (at < text.size() && text[at] == '"') {
    if (!readQuoted(text, at, parse.command.device)) parse.error = mci::kNoClosingQuote;
  } else {
    parse.command.device = nextWord(text, at);
  }
  if (parse.error == mci::kOk && parse.command.device.empty())
    parse.error = mci::kMissingDeviceName;
  for (auto word = nextWord(text, at); !word.empty(); word = nextWord(text, at))
    parse.command.words.push_back(lowerCase(word));
  return parse;
}

std::string mciDeviceName(std::string_view path) {
  std::string name = "\"";
  for (char c : path) {
    name += c;
    if (c == '"') name += '"';
  }
  return name + "\"";
}

}  // namespace dwaalbos
