#pragma once

#include <string>

#include "byte_io.h"
#include "texts.h"

namespace dwaalbos {

// What the player is told about a file the game could not write or read, shared by every
// window so that the player always learns which file it was and why; the box titles are
// `texts::kNotSavedTitle` and `texts::kNotReadTitle`.
// Names the file and gives the system's reason on a line of its own.
std::string notSavedText(const std::string& path, const WriteResult& result);
// A file written whole whose old content went on beyond what such a file can hold: how much was
// left out (WriteResult::dropped). Told in a box titled `texts::kIngekortTitle`.
std::string droppedTailText(const std::string& path, const WriteResult& result);
// A level file that is missing or does not hold a whole level.
std::string levelNotReadText(const std::string& path);
// A file of the game's own that is there but does not hold what it should.
std::string damagedFileText(const std::string& path);
// A standard level set that is missing or shorter than it should be.
std::string levelSetShortText(const std::string& path, int levelsFound, int levelsWanted);
// A collection that is missing, unreadable or does not begin with a whole title record.
std::string collectionNotReadText(const std::string& path);
// A collection whose level `brokenLevel` (counted from 1) is cut short or unreadable.
std::string collectionBrokenText(const std::string& path, std::size_t brokenLevel);
// A collection with more levels than a collection may hold.
std::string collectionTooLongText(const std::string& path);
// A folder of level files with more levels than a collection may hold.
std::string folderTooFullText(const std::string& folder);

}  // namespace dwaalbos
