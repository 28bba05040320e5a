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
  if (const auto at = text.find("%1"); at != std::string::npos)
    text.replace(at, 2, std::to_string(value));
  return text;
}

}  // namespace dwaalbos
