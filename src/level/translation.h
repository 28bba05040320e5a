#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a Dutch text for the English translation where it is defined: the program still sees
// the Dutch text, and the translation tools find it by this name, its context first.
#define DWAALBOS_TR(context, text) text

namespace dwaalbos {

enum class Language { Dutch, English };

// How a marked text is found in the chosen language; the window system gives it, so that
// nothing below it needs to know how translations are stored.
using TextLookup = std::string (*)(const char* context, const char* dutch);

// The language every text is shown in from now on. Without a lookup every text stays Dutch.
void useLanguage(Language language, TextLookup lookup);
Language currentLanguage();
// A text marked in `context`, in the current language: the Dutch text itself when it is Dutch
// or when no translation is known.
std::string translated(const char* context, const char* dutch);
// "%1" in a translated `text` becomes `value`; a translation without it is shown as it stands.
std::string filled(std::string text, std::size_t value);
// "%1", "%2", ... become the values in their order.
std::string filled(const std::string& text, std::initializer_list<std::string_view> values);

}  // namespace dwaalbos
