#include "collection_file.h"

#include "file_messages.h"
#include "texts.h"

namespace dwaalbos {

CollectionRead decodeCollection(std::span<const std::uint8_t> data, const std::string& path) {
  CollectionRead read;
  ByteReader reader(data);
  auto title = decodeLevel(reader);
  if (!title) {
    read.problem = collectionNotReadText(path);
    return read;
  }
  read.titled = true;
  read.collection.title = std::move(*title);
  read.collection.levels = decodeLevels(reader, kMostCollectionLevels);
  const std::size_t levels = read.collection.levels.size();
  if (reader.remaining() == 0) return read;
  read.problem = levels == kMostCollectionLevels ? collectionTooLongText(path)
                                                 : collectionBrokenText(path, levels + 1);
  return read;
}

CollectionRead readCollection(const std::string& path) {
  // One byte more than the largest whole collection tells a longer file.
  const auto data = readFileStart(path, kLargestCollectionBytes + 1);
  if (!data) return CollectionRead{{}, collectionNotReadText(path)};
  return decodeCollection(*data, path);
}

std::optional<Bytes> encodeCollection(const Collection& collection) {
  if (collection.levels.size() > kMostCollectionLevels) return std::nullopt;
  Bytes out = encodeLevel(collection.title);
  for (const Doolhof& level : collection.levels) {
    const Bytes record = encodeLevel(level);
    out.insert(out.end(), record.begin(), record.end());
  }
  return out;
}

WriteResult writeCollection(const std::string& path, const Collection& collection) {
  const auto data = encodeCollection(collection);
  if (!data) return WriteResult::failed(texts::tr(texts::kHoogstens999));
  return writeWholeFile(path, *data);
}

}  // namespace dwaalbos
