#include "file_messages.h"

#include "collection_file.h"

namespace dwaalbos {
namespace {

std::string named(const std::string& path) { return texts::tr(texts::kHetBestand) + path + "\""; }

std::string playable(std::size_t levels) {
  if (levels == 0) return texts::tr(texts::kGeenLevelTeSpelen);
  if (levels == 1) return texts::tr(texts::kEenLevelTeSpelen);
  return filled(texts::tr(texts::kLevelsTeSpelenN), levels);
}

}  // namespace

std::string notSavedText(const std::string& path, const WriteResult& result) {
  return named(path) + texts::tr(texts::kNietOpgeslagenReden) + result.reason();
}

std::string droppedTailText(const std::string& path, const WriteResult& result) {
  return named(path) + texts::tr(texts::kTeLang) + std::to_string(result.dropped()) +
         texts::tr(texts::kBytesWeggelaten);
}

std::string levelNotReadText(const std::string& path) {
  const std::string why =
      fileExists(path) ? texts::tr(texts::kGeenLevel) : texts::tr(texts::kBestaatNiet);
  return named(path) + texts::tr(texts::kNietGelezen) + why;
}

std::string damagedFileText(const std::string& path) {
  return named(path) + texts::tr(texts::kBeschadigd);
}

std::string levelSetShortText(const std::string& path, int levelsFound, int levelsWanted) {
  const std::string what =
      !fileExists(path) ? texts::tr(texts::kOntbreekt) : texts::tr(texts::kBeschadigd);
  return named(path) + what + texts::tr(texts::kErZijn) + std::to_string(levelsFound) +
         texts::tr(texts::kVanDe) + std::to_string(levelsWanted) +
         texts::tr(texts::kLevelsTeSpelen);
}

std::string collectionNotReadText(const std::string& path) {
  const std::string why =
      fileExists(path) ? texts::tr(texts::kGeenVerzameling) : texts::tr(texts::kBestaatNiet);
  return named(path) + texts::tr(texts::kNietGelezen) + why;
}

std::string collectionBrokenText(const std::string& path, std::size_t brokenLevel) {
  return named(path) + texts::tr(texts::kBeschadigd) +
         filled(texts::tr(texts::kLevelAfgebroken), brokenLevel) + playable(brokenLevel - 1);
}

std::string collectionTooLongText(const std::string& path) {
  return named(path) + texts::tr(texts::kBeschadigd) + texts::tr(texts::kMeerDan999) +
         playable(kMostCollectionLevels);
}

std::string folderTooFullText(const std::string& folder) {
  return texts::tr(texts::kDeMap) + folder + texts::tr(texts::kMeerDan999InMap);
}

}  // namespace dwaalbos
