#include "translation.h"

#include <atomic>

namespace dwaalbos {
namespace {

// Chosen by the window's thread; read also by the threads that compose a message.
std::atomic<Language> chosen{Language::Dutch};
std::atomic<TextLookup> lookedUp{nullptr};

}  // namespace

void useLanguage(Language language, TextLookup lookup) {
  lookedUp = lookup;
  chosen = language;
}

Language currentLanguage() { return chosen; }

std::string translated(const char* context, const char* dutch) {
  const TextLookup lookup = lookedUp;
  if (chosen == Language::Dutch || !lookup) return dutch;
  return lookup(context, dutch);
}

std::string filled(std::string text, std::size_t value) {
  return filled(text, {std::to_string(value)});
}

// One pass over the text, so that a value holding "%2" itself is left as it is.
std::string filled(const std::string& text, std::initializer_list<std::string_view> values) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t place = i + 1 < text.size() ? text[i + 1] - '1' : values.size();
    if (text[i] == '%' && place < values.size()) {
      out += values.begin()[place];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace dwaalbos
