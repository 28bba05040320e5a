#include "file_messages.h"

namespace dwaalbos {
namespace {

std::string named(const std::string& path) { return "Het bestand \"" + path + "\""; }

}  // namespace

std::string notSavedText(const std::string& path, const WriteResult& result) {
  return named(path) + " kon niet worden opgeslagen.\r\nReden: " + result.reason();
}

std::string levelNotReadText(const std::string& path) {
  const std::string why = fileExists(path) ? "Het is geen geldig Dwaalbos-level."
                                           : "Het bestaat niet.";
  return named(path) + " kon niet worden gelezen.\r\n" + why;
}

std::string levelSetShortText(const std::string& path, int levelsFound, int levelsWanted) {
  const std::string what = !fileExists(path) ? " ontbreekt." : " is beschadigd.";
  return named(path) + what + "\r\nEr zijn " + std::to_string(levelsFound) + " van de " +
         std::to_string(levelsWanted) + " levels te spelen.";
}

}  // namespace dwaalbos
