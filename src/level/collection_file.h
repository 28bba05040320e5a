#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "byte_io.h"
#include "doolhof.h"
#include "level_file.h"

namespace dwaalbos {

// A collection file (.dws) is laid out as a standard level set: whole level records one after
// another from the first byte, with nothing before, between or after them. The first record
// names the collection and is never played; the levels follow it.
inline constexpr std::size_t kMostCollectionLevels = 999;
inline constexpr std::size_t kLargestCollectionBytes =
    (kMostCollectionLevels + 1) * kLargestRecordBytes;

struct Collection {
  // Its `Naam` is the collection's title, its `Maker` the author, its `Commentaar` the
  // description; its board means nothing.
  Doolhof title;
  std::vector<Doolhof> levels;

  bool operator==(const Collection&) const = default;
};

struct CollectionRead {
  Collection collection;  // all of it, or the levels before the damage
  std::string problem;    // for the player, in Dutch; empty when the file was whole
  bool titled = false;    // the file began with a whole title record: it is a collection
  bool whole() const { return problem.empty(); }
};

// `path` only names the file in the problem's text.
CollectionRead decodeCollection(std::span<const std::uint8_t> data, const std::string& path);
CollectionRead readCollection(const std::string& path);

// Nothing when the collection holds more levels than a collection may.
std::optional<Bytes> encodeCollection(const Collection& collection);
// Replaces the whole file, so that no tail of an older, longer collection is read as damage.
WriteResult writeCollection(const std::string& path, const Collection& collection);

}  // namespace dwaalbos
