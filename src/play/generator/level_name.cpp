#include "level_name.h"

#include <array>
#include <string_view>

#include "seeded_random.h"

namespace dwaalbos {
namespace {

// The first half of a one-word name: Varen + hol.
constexpr std::array<std::string_view, 24> kStems = {
    "Varen",    "Mos",    "Eiken",       "Beuken", "Dennen", "Berken", "Wilgen", "Hazel",
    "Braam",    "Distel", "Paddenstoel", "Vossen", "Dassen", "Uilen",  "Reeën",  "Egel",
    "Spechten", "Heide",  "Zand",        "Veen",   "Bramen", "Linde",  "Elzen",  "Lijsters"};
constexpr std::array<std::string_view, 16> kEnds = {
    "hol",    "dal",   "laan", "pad",   "kuil", "hoek", "veld", "bron",
    "heuvel", "weide", "poel", "spoor", "hof",  "rand", "kamp", "dreef"};
// Two-word names: an adjective that takes -e before these words (all "de" words).
constexpr std::array<std::string_view, 16> kAdjectives = {
    "Mossige", "Stille", "Donkere", "Groene",   "Kronkelende", "Verborgen", "Oude",  "Natte",
    "Diepe",   "Smalle", "Zonnige", "Vergeten", "Nevelige",    "Krakende",  "Wilde", "Schemerige"};
constexpr std::array<std::string_view, 16> kPlaces = {
    "Laan",  "Vijver", "Beek",      "Heide", "Open Plek", "Holte", "Sloot", "Dreef",
    "Kreek", "Wei",    "Varenhoek", "Brug",  "Grot",      "Poort", "Kapel", "Bosrand"};

template <std::size_t N>
std::string_view pick(SeededRandom& random, const std::array<std::string_view, N>& words) {
  return words[static_cast<std::size_t>(random.below(static_cast<int>(N)))];
}

}  // namespace

std::string levelName(Difficulty difficulty, std::uint32_t seed) {
  SeededRandom random(0x4E414D45ull << 32 ^ std::uint64_t{seed} << 2 ^
                      static_cast<std::uint64_t>(difficulty));
  if (random.chance(50))
    return std::string(pick(random, kStems)) + std::string(pick(random, kEnds));
  return std::string(pick(random, kAdjectives)) + " " + std::string(pick(random, kPlaces));
}

}  // namespace dwaalbos
