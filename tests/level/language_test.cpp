// The language file, the desktop's language at the first start, and texts made outside the
// window system in the chosen language.
#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "level/file_messages.h"
#include "level/game_paths.h"
#include "level/language_file.h"
#include "level/level_file.h"
#include "level/texts.h"
#include "level/translation.h"
#include "support/temp_folder.h"

using namespace dwaalbos;

TEST(LanguageFile, KeepsTheChoiceAndADamagedFileChoosesNothing) {
  TempFolder folder;
  const std::string path = folder.path("Taal.dat");
  EXPECT_EQ(readLanguage(path), std::nullopt);
  for (const Language language : {Language::English, Language::Dutch, Language::English}) {
    ASSERT_TRUE(writeLanguage(path, language));
    EXPECT_EQ(readLanguage(path), language);
  }
  EXPECT_FALSE(writeLanguage(folder.path("geen/map/Taal.dat"), Language::Dutch));
  for (const std::string& damage :
       {std::string(), std::string("DWTA\x01", 5), std::string("DWTA\x02\x00", 6),
        std::string("DWTA\x00\x01", 6), std::string("DWZM\x01\x00", 6),
        std::string("DWTA\x01\x00\x00", 7), std::string(100000, 'x')}) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << damage;
    EXPECT_EQ(readLanguage(path), std::nullopt) << damage.size();
  }
}

struct DesktopCase {
  std::map<std::string, std::string> environment;
  Language expected;
};

class DesktopLanguage : public testing::TestWithParam<DesktopCase> {};

TEST_P(DesktopLanguage, TheFirstVariableNamingDutchOrEnglishDecides) {
  const auto& environment = GetParam().environment;
  const auto lookUp = [&environment](const char* name) -> const char* {
    const auto found = environment.find(name);
    return found == environment.end() ? nullptr : found->second.c_str();
  };
  EXPECT_EQ(desktopLanguage(lookUp), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, DesktopLanguage,
    testing::Values(
        DesktopCase{{}, Language::Dutch}, DesktopCase{{{"LANG", "C"}}, Language::Dutch},
        DesktopCase{{{"LANG", "en_GB.UTF-8"}}, Language::English},
        DesktopCase{{{"LANG", "eng_XX"}}, Language::Dutch},  // not English
        DesktopCase{{{"LANG", "nl_BE@euro"}}, Language::Dutch},
        DesktopCase{{{"LANGUAGE", "de:en_US:nl"}, {"LANG", "nl_NL"}}, Language::English},
        DesktopCase{{{"LANGUAGE", "nl:en"}, {"LANG", "en_US"}}, Language::Dutch},
        DesktopCase{{{"LANGUAGE", ""}, {"LANG", "en_US.UTF-8"}}, Language::English},
        DesktopCase{{{"LC_ALL", "en_US.UTF-8"}, {"LANG", "nl_NL.UTF-8"}}, Language::English},
        DesktopCase{{{"LC_MESSAGES", "nl_NL"}, {"LANG", "en_US"}}, Language::Dutch}));

TEST(LanguageAtStart, TheKeptChoiceGoesBeforeTheDesktopsLanguage) {
  TempFolder folder;
  const std::string path = folder.path("Taal.dat");
  const auto english = [](const char* name) -> const char* {
    return std::string(name) == "LANG" ? "en_US.UTF-8" : nullptr;
  };
  EXPECT_EQ(languageAtStart(path, english), Language::English);
  ASSERT_TRUE(writeLanguage(path, Language::Dutch));
  EXPECT_EQ(languageAtStart(path, english), Language::Dutch);
}

// Every piece of a composed text in brackets: each is looked up on its own.
std::string bracketed(const char* /*context*/, const char* dutch) {
  return "[" + std::string(dutch) + "]";
}

class ChosenLanguage : public testing::Test {
 protected:
  void TearDown() override { useLanguage(Language::Dutch, nullptr); }
};

TEST_F(ChosenLanguage, DutchTextsStayAsTheyAreWhateverTheLookupAnswers) {
  TempFolder folder;
  const std::string missing = folder.path("weg.dwb");
  const std::string dutch =
      "Het bestand \"" + missing + "\" kon niet worden gelezen.\r\nHet bestaat niet.";
  EXPECT_EQ(levelNotReadText(missing), dutch);
  useLanguage(Language::Dutch, &bracketed);
  EXPECT_EQ(levelNotReadText(missing), dutch);
  EXPECT_EQ(texts::tr(texts::kZekerWeten), "Zeker weten?");
}

TEST_F(ChosenLanguage, ComposedTextsAreLookedUpPieceByPieceAroundTheirValues) {
  TempFolder folder;
  useLanguage(Language::English, &bracketed);
  EXPECT_EQ(levelNotReadText(folder.path("weg.dwb")),
            "[Het bestand \"]" + folder.path("weg.dwb") +
                "\"[ kon niet worden gelezen.\r\n][Het bestaat niet.]");
  EXPECT_EQ(collectionBrokenText("v.dws", 3),
            "[Het bestand \"]v.dws\"[ is beschadigd.][\r\nLevel 3 is afgebroken.]"
            "[\r\nEr zijn 2 levels te spelen.]");
  // A level's own name may hold a place mark; it is shown as written, not filled in.
  EXPECT_EQ(nameAndMaker(Doolhof{.Naam = "50%2", .Maker = "Ik"}), "[50%2 door Ik]");
}

TEST_F(ChosenLanguage, TheHelpPageIsTheChosenLanguages) {
  const GamePaths paths("/spel");
  EXPECT_EQ(paths.helpPage(), "/spel/help/help.htm");
  useLanguage(Language::English, &bracketed);
  EXPECT_EQ(paths.helpPage(), "/spel/help/help_en.htm");
}
