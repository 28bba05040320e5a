#include "language_file.h"

#include <string_view>

namespace dwaalbos {
namespace {

constexpr std::string_view kMagic = "DWTA";
constexpr std::size_t kFileSize = kMagic.size() + 2;

// "en", "en_GB.UTF-8", "nl_BE@euro": the language is the part before any region, coding or
// variant.
std::optional<Language> languageNamed(std::string_view locale) {
  const std::string_view code = locale.substr(0, locale.find_first_of("_.@"));
  if (code == "en") return Language::English;
  if (code == "nl") return Language::Dutch;
  return std::nullopt;
}

std::optional<Language> firstListed(std::string_view list) {
  while (!list.empty()) {
    const auto end = list.find(':');
    if (const auto language = languageNamed(list.substr(0, end))) return language;
    if (end == std::string_view::npos) break;
    list.remove_prefix(end + 1);
  }
  return std::nullopt;
}

}  // namespace

std::optional<Language> readLanguage(const std::string& path) {
  const auto data = readFileStart(path, kFileSize + 1);
  if (!data || data->size() != kFileSize) return std::nullopt;
  ByteReader reader(*data);
  if (reader.bytes(kMagic.size()) != std::string(kMagic)) return std::nullopt;
  const auto value = reader.u16();
  if (!value || *value > 1) return std::nullopt;
  return *value == 1 ? Language::English : Language::Dutch;
}

WriteResult writeLanguage(const std::string& path, Language language) {
  Bytes out(kMagic.begin(), kMagic.end());
  putU16(out, language == Language::English ? 1 : 0);
  return writeWholeFile(path, out);
}

Language desktopLanguage(const Environment& environment) {
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = environment(name);
    if (!value) continue;
    if (const auto language = firstListed(value)) return *language;
  }
  return Language::Dutch;
}

Language languageAtStart(const std::string& path, const Environment& environment) {
  return readLanguage(path).value_or(desktopLanguage(environment));
}

}  // namespace dwaalbos
