#pragma once

#include <string>
#include <vector>

#include "level/doolhof.h"

namespace dwaalbos::levelc {

// What would make standard level set 1 or 2 wrong in the game: the wrong number of records, a
// title record without a name, a level without its texts, a level that cannot be completed or
// needs no thought (under 8 moves, a corridor, a long walk through a small search), a level
// over 250 moves, a shortest solution the game does not accept when played, two levels with
// one board, or a set that does not grow harder as it goes. Empty when all is well.
std::vector<std::string> levelSetProblems(const std::vector<Doolhof>& records, int set);

// What would make a shipped collection wrong: no title or author, no levels or over 999, or
// a level that fails as a level of a set does or copies the board or the name of one of `others`.
std::vector<std::string> collectionProblems(const std::vector<Doolhof>& records,
                                            const std::vector<Doolhof>& others);

}  // namespace dwaalbos::levelc
