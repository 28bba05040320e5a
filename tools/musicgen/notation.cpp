#include "musicgen/notation.h"

#include <cctype>
#include <map>
#include <stdexcept>
#include <string>

namespace dwaalbos::music {

namespace {

std::vector<std::string_view> tokens(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    const std::size_t start = i;
    while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    if (i > start) out.push_back(text.substr(start, i - start));
  }
  return out;
}

[[noreturn]] void fail(std::string_view what, std::string_view token) {
  throw std::invalid_argument(std::string(what) + ": \"" + std::string(token) + "\"");
}

int number(std::string_view digits, std::string_view token) {
  if (digits.empty()) fail("number expected", token);
  int value = 0;
  for (char c : digits) {
    if (!std::isdigit(static_cast<unsigned char>(c))) fail("not a number", token);
    value = value * 10 + (c - '0');
  }
  return value;
}

// A letter with an optional sharp ("#") or flat ("b") after it.
struct Spelling {
  int letter;      // pitch class of the bare letter
  int accidental;  // -1, 0 or +1
  std::size_t used;

  int pitchClass() const { return (letter + accidental + 12) % 12; }
};

Spelling spelling(std::string_view text, std::string_view token) {
  static const std::map<char, int> kLetters = {{'c', 0}, {'d', 2}, {'e', 4}, {'f', 5},
                                               {'g', 7}, {'a', 9}, {'b', 11}};
  if (text.empty()) fail("note expected", token);
  const auto letter =
      kLetters.find(static_cast<char>(std::tolower(static_cast<unsigned char>(text[0]))));
  if (letter == kLetters.end()) fail("unknown note", token);
  if (text.size() > 1 && text[1] == '#') return {letter->second, 1, 2};
  if (text.size() > 1 && text[1] == 'b') return {letter->second, -1, 2};
  return {letter->second, 0, 1};
}

void checkBar(int position, int stepsPerBar, std::string_view token) {
  if (position % stepsPerBar != 0)
    fail("bar line off the bar (step " + std::to_string(position) + ")", token);
}

// Splits "name:length" into its parts; length -1 when there is none.
std::pair<std::string_view, int> withLength(std::string_view token) {
  const std::size_t colon = token.find(':');
  if (colon == std::string_view::npos) return {token, -1};
  const int length = number(token.substr(colon + 1), token);
  if (length <= 0) fail("length must be positive", token);
  return {token.substr(0, colon), length};
}

}  // namespace

std::vector<int> Chord::pitchClasses() const {
  std::vector<int> out;
  for (int tone : tones) out.push_back((root + tone) % 12);
  return out;
}

int parsePitch(std::string_view name) {
  const Spelling note = spelling(name, name);
  // The octave belongs to the letter, so Cb4 is B3 and B#3 is C4.
  return 12 * (number(name.substr(note.used), name) + 1) + note.letter + note.accidental;
}

Melody parseMelody(std::string_view text, int stepsPerBar, int velocity) {
  std::vector<Note> notes;
  int position = 0;
  int length = stepsPerBar / 4;
  bool lastWasRest = true;
  for (std::string_view token : tokens(text)) {
    if (token == "|") {
      checkBar(position, stepsPerBar, token);
      continue;
    }
    if (token[0] == 'v' && token.size() > 1 && std::isdigit(static_cast<unsigned char>(token[1]))) {
      velocity = number(token.substr(1), token);
      if (velocity < 1 || velocity > 127) fail("velocity out of range", token);
      continue;
    }
    const auto [name, given] = withLength(token);
    if (given > 0) length = given;
    if (name == "r") {
      lastWasRest = true;
    } else if (name == "-") {
      if (lastWasRest) fail("nothing to hold", token);
      notes.back().length += length;
    } else {
      notes.push_back({position, length, parsePitch(name), velocity});
      lastWasRest = false;
    }
    position += length;
  }
  return {notes, position};
}

std::vector<Chord> parseChords(std::string_view text, int stepsPerBar) {
  static const std::map<std::string, std::vector<int>, std::less<>> kQualities = {
      {"", {0, 4, 7}},           {"m", {0, 3, 7}},        {"7", {0, 4, 7, 10}},
      {"m7", {0, 3, 7, 10}},     {"maj7", {0, 4, 7, 11}}, {"sus2", {0, 2, 7}},
      {"sus4", {0, 5, 7}},       {"add9", {0, 4, 7, 14}}, {"madd9", {0, 3, 7, 14}},
      {"6", {0, 4, 7, 9}},       {"m6", {0, 3, 7, 9}},    {"maj9", {0, 4, 7, 11, 14}},
      {"m9", {0, 3, 7, 10, 14}}, {"7sus4", {0, 5, 7, 10}}};
  std::vector<Chord> chords;
  int position = 0;
  for (std::string_view token : tokens(text)) {
    if (token == "|") {
      checkBar(position, stepsPerBar, token);
      continue;
    }
    const auto [name, given] = withLength(token);
    const std::size_t slash = name.find('/');
    const std::string_view head = name.substr(0, slash);
    const Spelling root = spelling(head, token);
    const auto quality = kQualities.find(head.substr(root.used));
    if (quality == kQualities.end()) fail("unknown chord quality", token);
    const int bass = slash == std::string_view::npos
                         ? root.pitchClass()
                         : spelling(name.substr(slash + 1), token).pitchClass();
    const int length = given > 0 ? given : stepsPerBar;
    chords.push_back({position, length, root.pitchClass(), quality->second, bass});
    position += length;
  }
  return chords;
}

int lengthOf(const std::vector<Chord>& chords) {
  return chords.empty() ? 0 : chords.back().start + chords.back().length;
}

}  // namespace dwaalbos::music
