#include "file_messages.h"

namespace dwaalbos {
namespace {

std::string named(const std::string& path) { return texts::kHetBestand + path + "\""; }

}  // namespace

std::string notSavedText(const std::string& path, const WriteResult& result) {
  return named(path) + texts::kNietOpgeslagenReden + result.reason();
}

std::string droppedTailText(const std::string& path, const WriteResult& result) {
  return named(path) + texts::kTeLang + std::to_string(result.dropped()) + texts::kBytesWeggelaten;
}

std::string levelNotReadText(const std::string& path) {
  const std::string why = fileExists(path) ? texts::kGeenLevel : texts::kBestaatNiet;
  return named(path) + texts::kNietGelezen + why;
}

std::string damagedFileText(const std::string& path) { return named(path) + texts::kBeschadigd; }

std::string levelSetShortText(const std::string& path, int levelsFound, int levelsWanted) {
  const std::string what = !fileExists(path) ? texts::kOntbreekt : texts::kBeschadigd;
  return named(path) + what + texts::kErZijn + std::to_string(levelsFound) + texts::kVanDe +
         std::to_string(levelsWanted) + texts::kLevelsTeSpelen;
}

}  // namespace dwaalbos
