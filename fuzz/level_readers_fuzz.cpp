// libFuzzer target over everything that reads the game's binary files.
#include <cstddef>
#include <cstdint>
#include <span>

#include "level/best_solutions.h"
#include "level/byte_io.h"
#include "level/collection_file.h"
#include "level/level_file.h"
#include "level/level_results.h"
#include "level/level_sets.h"
#include "level/progress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  dwaalbos::ByteReader reader(bytes);
  if (auto level = dwaalbos::decodeLevel(reader)) {
    const auto again = dwaalbos::encodeLevel(*level);
    dwaalbos::ByteReader back(again);
    if (!dwaalbos::decodeLevel(back)) __builtin_trap();
  }
  dwaalbos::decodeLevelSet(bytes, dwaalbos::kSet1Records);
  // A whole collection is written back exactly as it was read.
  const auto collection = dwaalbos::decodeCollection(bytes, "fuzz.dws");
  if (collection.whole() && dwaalbos::encodeCollection(collection.collection) !=
                                dwaalbos::Bytes(bytes.begin(), bytes.end()))
    __builtin_trap();
  dwaalbos::decodeProgress(bytes);
  const auto solutions = dwaalbos::decodeBestSolutions(bytes);
  if (!solutions.damaged &&
      dwaalbos::decodeBestSolutions(dwaalbos::encodeBestSolutions(solutions)).moves !=
          solutions.moves)
    __builtin_trap();
  // A file of the older version is written back as the newer one, with the same results.
  const auto results = dwaalbos::decodeLevelResults(bytes);
  if (!results.damaged) {
    const auto again = dwaalbos::encodeLevelResults(results);
    const auto back = dwaalbos::decodeLevelResults(again);
    if (back.damaged || back.levels != results.levels || back.made != results.made)
      __builtin_trap();
    if (bytes[4] == 2 && again != dwaalbos::Bytes(bytes.begin(), bytes.end())) __builtin_trap();
  }
  return 0;
}
