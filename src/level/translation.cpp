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

}  // namespace dwaalbos
