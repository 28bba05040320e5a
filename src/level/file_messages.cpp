#include "file_messages.h"

#include "collection_file.h"

namespace dwaalbos {
namespace {

std::string named(const std::string& path) { return texts::kHetBestand + path + "\""; }

// "%1" in `text` becomes `value`.
std::string filled(const char* text, std::size_t value) {
  std::string out = text;
  out.replace(out.find("%1"), 2, std::to_string(value));
  return out;
}

std::string playable(std::size_t levels) {
  if (levels == 0) return texts::kGeenLevelTeSpelen;
  if (levels == 1) return texts::kEenLevelTeSpelen;
  return filled(texts::kLevelsTeSpelenN, levels);
}

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

std::string collectionNotReadText(const std::string& path) {
  const std::string why = fileExists(path) ? texts::kGeenVerzameling : texts::kBestaatNiet;
  return named(path) + texts::kNietGelezen + why;
}

std::string collectionBrokenText(const std::string& path, std::size_t brokenLevel) {
  return named(path) + texts::kBeschadigd + filled(texts::kLevelAfgebroken, brokenLevel) +
         playable(brokenLevel - 1);
}

std::string collectionTooLongText(const std::string& path) {
  return named(path) + texts::kBeschadigd + texts::kMeerDan999 + playable(kMostCollectionLevels);
}

std::string folderTooFullText(const std::string& folder) {
  return texts::kDeMap + folder + texts::kMeerDan999InMap;
}

}  // namespace dwaalbos
