// Choosing the game's language: every open window is told at once, the texts, the toolkit's
// buttons and the standard levels' texts follow, and the choice is kept for the next start.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "audio/wave_out_errors.h"
#include "editor/editor.h"
#include "frontend/application.h"
#include "frontend/menu.h"
#include "frontend/menu_buttons.h"
#include "frontend/standaard.h"
#include "level/file_messages.h"
#include "level/language_file.h"
#include "level/level_file.h"
#include "level/level_sets.h"
#include "level/texts.h"
#include "level/zoom.h"
#include "platform/language.h"
#include "platform/language_menu.h"
#include "platform/message_boxes.h"
#include "play/window/afspelen.h"
#include "play/window/right_panel.h"
#include "play/window/splash.h"
#include "support/game_on_temp_folder.h"
#include "support/game_pictures.h"
#include "support/introduction_screen.h"
#include "support/named_child.h"
#include "support/test_levels.h"
#include "support/window_fakes.h"

namespace dwaalbos::testing {
namespace {

class LanguageChoice : public ::testing::Test, protected GameOnTempFolder<AnsweringDialogs> {
 protected:
  // As the game starts when nothing is chosen and the desktop speaks no English.
  LanguageChoice() : GameOnTempFolder(testsupport::gameFolder().toStdString()) {
    speakLanguage(Language::Dutch, application.state().paths.translations());
  }
  ~LanguageChoice() override { speakLanguage(Language::Dutch, {}); }

  // The title, text and Yes button of a question as the player sees it.
  std::vector<std::string> question() {
    askYesNoLater(nullptr, texts::tr(texts::kBevestigingTitle), texts::tr(texts::kZekerWeten),
                  BoxIcon::Question, [](bool) {});
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return {};
    std::vector<std::string> seen{box->windowTitle().toStdString(), box->text().toStdString(),
                                  box->button(QMessageBox::Yes)->text().toStdString()};
    box->close();
    QTest::qWait(1);
    return seen;
  }

  const Doolhof& firstLevel() { return *application.state().sets.Levelset1.element(1); }

  void speak(Language language) {
    application.chooseLanguage(language);
    QCoreApplication::sendPostedEvents();
  }
};

TEST_F(LanguageChoice, BoxesMessagesAndStandardLevelsSpeakEnglishAndDutchBringsThemBack) {
  const std::vector<std::string> dutch = question();
  ASSERT_EQ(dutch.size(), 3U);
  EXPECT_EQ(dutch[0], "Bevestiging");
  EXPECT_EQ(dutch[1], "Zeker weten?");
  EXPECT_EQ(dutch[2], "&Ja");

  speak(Language::English);
  EXPECT_EQ(question(), (std::vector<std::string>{"Confirmation", "Are you sure?", "&Yes"}));
  EXPECT_EQ(levelNotReadText(folder.path("weg.dwb")),
            "The file \"" + folder.path("weg.dwb") + "\" could not be read.\r\nIt does not exist.");
  EXPECT_EQ(waveout::waveOutGetErrorText(waveout::kNoDriver), "No sound device is available.");
  EXPECT_EQ(waveout::waveOutGetErrorText(99), "Unknown error 99 in the sound output.");
  // A comment's lines are joined as the game holds them.
  EXPECT_EQ(standaardTekst(firstLevel().Naam), "The first step");
  EXPECT_EQ(standaardTekst(firstLevel().Commentaar),
            "Walk to the exit square with the arrow keys.\r\n"
            "Not every path in the forest leads somewhere.");
  EXPECT_EQ(standaardTekst("Een eigen level"), "Een eigen level");

  speak(Language::Dutch);
  EXPECT_EQ(question(), dutch);
  EXPECT_EQ(standaardTekst(firstLevel().Naam), "De eerste stap");
  EXPECT_EQ(waveout::waveOutGetErrorText(waveout::kNoDriver),
            "Er is geen geluidsapparaat beschikbaar.");
}

TEST_F(LanguageChoice, TheChoiceIsKeptAndOneThatCannotBeKeptIsTold) {
  const std::string path = application.state().paths.language();
  application.chooseLanguage(Language::English);
  EXPECT_EQ(readLanguage(path), Language::English);
  application.chooseLanguage(Language::Dutch);
  EXPECT_EQ(readLanguage(path), Language::Dutch);

  // A folder where the file should be: the choice holds for this run and the player is told.
  removeFile(path);
  std::filesystem::create_directory(path);
  std::vector<SeenBox> boxes;
  answerNextBox(boxes);
  application.chooseLanguage(Language::English);
  ASSERT_EQ(boxes.size(), 1U);
  EXPECT_EQ(boxes[0].title, "Saving failed");
  EXPECT_NE(boxes[0].text.find("could not be saved"), std::string::npos) << boxes[0].text;
  EXPECT_EQ(texts::tr(texts::kZekerWeten), "Are you sure?");
}

// A text's place markers (%1, %2) and what it begins and ends with of spaces, line breaks and
// quotes: the pieces a message is composed of must fit together in both languages.
struct Joints {
  QStringList markers;
  QString front;
  QString back;
  bool operator==(const Joints&) const = default;
};

Joints jointsOf(const QString& text) {
  // Not a URL's escaped character ("%20").
  static const QRegularExpression marker(QStringLiteral("%\\d(?![0-9A-Fa-f])"));
  static const QRegularExpression front(QStringLiteral("^[\\s\"]*"));
  static const QRegularExpression back(QStringLiteral("[\\s\"]*$"));
  Joints joints{{}, front.match(text).captured(), back.match(text).captured()};
  for (const auto& found : marker.globalMatch(text)) joints.markers << found.captured();
  joints.markers.sort();
  return joints;
}

// Every Dutch text of the translation source with its English, in the file's order.
std::vector<std::pair<QString, QString>> translations() {
  QFile file(QStringLiteral(DWAALBOS_TRANSLATION_SOURCE));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  std::vector<std::pair<QString, QString>> pairs;
  QString dutch;
  while (!xml.atEnd()) {
    xml.readNext();
    const bool source = xml.isStartElement() && xml.name() == QLatin1String("source");
    if (!source && !(xml.isStartElement() && xml.name() == QLatin1String("translation"))) continue;
    // A line break's carriage return is an element of its own, the same in both languages.
    const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    if (source) dutch = text;
    else pairs.emplace_back(dutch, text);
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_GT(pairs.size(), 150U);
  return pairs;
}

TEST(Translation, EveryEnglishTextJoinsOnAsItsDutchOne) {
  for (const auto& [dutch, english] : translations())
    EXPECT_TRUE(jointsOf(english) == jointsOf(dutch))
        << dutch.toStdString() << " -> " << english.toStdString();
}

// Every text the player can read in `window`: its title, its menus' titles and items, its
// labels, buttons and lists, in the order the window holds them.
QStringList captionsOf(const QWidget& window) {
  QStringList found{window.windowTitle()};
  for (const QWidget* each : window.findChildren<QWidget*>()) {
    if (const auto* menu = qobject_cast<const QMenu*>(each)) {
      found << menu->title();
      for (const QAction* action : menu->actions()) found << action->text();
    } else if (const auto* label = qobject_cast<const QLabel*>(each)) {
      found << label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(each)) {
      found << button->text();
    } else if (const auto* list = qobject_cast<const QComboBox*>(each)) {
      found << list->currentText();
      for (int i = 0; i < list->count(); ++i) found << list->itemText(i);
    } else if (each->isWindow()) {
      found << each->windowTitle();
    }
  }
  return found;
}

// Every Dutch text with an English translation of its own, whatever its context.
std::map<QString, QString> dutchWithOwnEnglish() {
  std::map<QString, QString> found;
  for (const auto& [dutch, english] : translations())
    if (english != dutch) found[dutch] = english;
  return found;
}

class LanguageItems : public LanguageChoice {
 protected:
  std::vector<QWidget*> windows() {
    application.menu();
    return {&application.play(), &application.editor(), &application.menu()};
  }

  std::vector<QStringList> captions() {
    std::vector<QStringList> all;
    for (const QWidget* window : windows()) all.push_back(captionsOf(*window));
    return all;
  }

  static void pick(const LanguageMenu& choice, Language language) {
    choice.item(language).trigger();
    QCoreApplication::sendPostedEvents();
  }

  const dwaalbos::LanguageMenu& playChoice() { return *application.play().menus().languageMenu; }
  const dwaalbos::LanguageMenu& editorChoice() { return application.editor().languageMenu(); }
};

// A count the window shows keeps its number when the language changes under it.
TEST_F(LanguageItems, EnglishFromThePlayWindowReachesEveryWindowAndDutchBringsEveryTextBack) {
  application.play().menus().setKeyCount(3);
  const std::vector<QStringList> dutch = captions();
  EXPECT_TRUE(playChoice().item(Language::Dutch).isChecked());

  pick(playChoice(), Language::English);
  EXPECT_EQ(readLanguage(application.state().paths.language()), Language::English);
  EXPECT_TRUE(editorChoice().item(Language::English).isChecked());
  EXPECT_FALSE(editorChoice().item(Language::Dutch).isChecked());
  const PlayMenus& menus = application.play().menus();
  EXPECT_EQ(menus.optionsMenu->title(), "&Options");
  EXPECT_EQ(menus.startStandardItem->text(), "&Start with the standard levels");
  EXPECT_EQ(menus.firstKeysItem->text(), "Keys: 3");
  EXPECT_EQ(playChoice().submenu().title(), "&Language");
  EXPECT_EQ(application.editor().windowTitle(), "Dwaalbos 6.0 level editor");
  EXPECT_EQ(application.menu().uitleg(), "Play a Dwaalbos level by opening its file");

  // No Dutch text is left that has English of its own.
  const std::map<QString, QString> english = dutchWithOwnEnglish();
  const std::vector<QStringList> shown = captions();
  for (std::size_t i = 0; i < shown.size(); ++i) {
    // The menu's only caption is its title, the same in both.
    if (windows()[i] != &application.menu()) {
      EXPECT_NE(shown[i], dutch[i]);
    }
    for (const QString& caption : shown[i])
      EXPECT_FALSE(english.contains(caption))
          << windows()[i]->windowTitle().toStdString() << ": " << caption.toStdString();
  }

  pick(editorChoice(), Language::Dutch);
  EXPECT_EQ(captions(), dutch);
  EXPECT_TRUE(playChoice().item(Language::Dutch).isChecked());
  EXPECT_EQ(readLanguage(application.state().paths.language()), Language::Dutch);
}

// A standard level is introduced, named beside the board and in the title in English, and a
// change of language renames it at once; a level file's own name is shown as written, with the
// game's words around it in English.
TEST_F(LanguageItems, AStandardLevelSpeaksTheLanguageAndALevelFileItsOwn) {
  Afspelen& play = application.play();
  const auto& panelName = testsupport::namedChild<QLabel>(play.panel(), "levelNameLabel");
  const auto& panelMaker = testsupport::namedChild<QLabel>(play.panel(), "levelMakerLabel");
  const QString maker = QString::fromStdString(firstLevel().Maker);
  const auto begin = [&](const LevelRef& level) -> Splash* {
    application.showPlayWindow();
    EXPECT_TRUE(play.start(level));
    return testsupport::visibleSplash();
  };
  // The board appears after its ring transition.
  const auto verder = [&](Splash& splash, const QString& name) {
    splash.verder();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return panelName.text() == name && play.windowTitle().contains(name); }));
  };
  pick(playChoice(), Language::English);
  Splash* splash = begin(LevelRef::standard(1));
  ASSERT_TRUE(splash);
  EXPECT_EQ(splash->nameLabel->text(), "The first step");
  EXPECT_EQ(splash->makerLabel->text(), "Made by " + maker);
  EXPECT_TRUE(splash->commentText->toPlainText().startsWith("Comment: Walk to the exit square"))
      << splash->commentText->toPlainText().toStdString();
  verder(*splash, "The first step");
  EXPECT_EQ(play.windowTitle(), "Dwaalbos 6.0: The first step by " + maker);

  pick(playChoice(), Language::Dutch);
  EXPECT_TRUE(QTest::qWaitFor([&] { return panelName.text() == "De eerste stap"; }));
  EXPECT_EQ(play.windowTitle(), "Dwaalbos 6.0: De eerste stap door " + maker);

  pick(playChoice(), Language::English);
  const std::string path = folder.path("eigen.dwb");
  ASSERT_TRUE(writeLevelFile(path, levelFromRows({"S.E"}, "De eerste stap")));
  splash = begin(LevelRef::file(path));
  ASSERT_TRUE(splash);
  EXPECT_EQ(splash->nameLabel->text(), "De eerste stap");
  EXPECT_EQ(splash->makerLabel->text(), "Made by anonymous");
  EXPECT_EQ(splash->commentText->toPlainText(), "No comment");
  verder(*splash, "De eerste stap");
  EXPECT_EQ(panelMaker.text(), "Anonymous");
}

// The main menu's buttons are pictures with their captions drawn in; they follow the language.
TEST_F(LanguageChoice, TheMainMenusButtonsSpeakTheLanguage) {
  Menu& menu = application.menu();
  menu.show();
  // Inside the first button's face, where no dot passes.
  const auto buttons = [&menu] {
    menu.frame();
    return menu.grab(QRect(MenuButtons::kLeft + 20, 104, 300, 22)).toImage();
  };
  const QImage dutch = buttons();
  speak(Language::English);
  EXPECT_NE(buttons(), dutch);
  speak(Language::Dutch);
  EXPECT_EQ(buttons(), dutch);
}

// Every label, button and list of `window` whose text does not fit its place: a label that
// does not wrap takes its text's width and height, one that wraps the height its lines need.
QStringList overflowing(const QWidget& window) {
  QStringList found;
  const auto check = [&found](const QWidget& control, const QString& text, int width, int height,
                              bool wraps) {
    const QFontMetrics metrics = control.fontMetrics();
    const bool fits = wraps
                          ? control.heightForWidth(control.width()) <= control.height()
                          : metrics.horizontalAdvance(text) <= width && metrics.height() <= height;
    if (!fits) found << QStringLiteral("\"%1\" in %2 x %3").arg(text).arg(width).arg(height);
  };
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText) continue;
    const QRect room = label->contentsRect();
    check(*label, label->text(), room.width(), room.height(), label->wordWrap());
  }
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (button->text().isEmpty()) continue;
    const QRect room = button->contentsRect();
    check(*button, button->text(), room.width() - 4, room.height(), false);
  }
  // The arrow takes about a square of the list's height.
  for (const QComboBox* list : window.findChildren<QComboBox*>())
    for (int i = 0; i < list->count(); ++i)
      check(*list, list->itemText(i), list->width() - list->height(), list->height(), false);
  for (const QMenuBar* bar : window.findChildren<QMenuBar*>())
    if (bar->sizeHint().width() > window.width())
      found << QStringLiteral("the menu bar, %1 wide").arg(bar->sizeHint().width());
  return found;
}

class EnglishAt : public LanguageChoice, public ::testing::WithParamInterface<int> {};

TEST_P(EnglishAt, EveryCaptionFitsItsControl) {
  application.chooseLanguage(Language::English);
  application.chooseZoom(GetParam());
  QCoreApplication::sendPostedEvents();
  for (QWidget* window : std::initializer_list<QWidget*>{&application.play(), &application.editor(),
                                                         &application.chooser()}) {
    window->show();
    const QStringList found = overflowing(*window);
    EXPECT_TRUE(found.isEmpty()) << window->windowTitle().toStdString() << ":\n"
                                 << found.join('\n').toStdString();
    window->hide();
  }
}

INSTANTIATE_TEST_SUITE_P(Zoom, EnglishAt, ::testing::ValuesIn(kZoomSteps));

// What of a help page is not its language: its sections, its links and its pictures.
std::set<std::string> anchorsAndPictures(const std::filesystem::path& page) {
  std::ifstream in(page);
  std::stringstream text;
  text << in.rdbuf();
  const std::string html = text.str();
  std::set<std::string> found;
  const std::regex reference(R"#((id|href|src)="([^"]*)"|url\(([^)]*)\))#");
  for (auto it = std::sregex_iterator(html.begin(), html.end(), reference);
       it != std::sregex_iterator(); ++it)
    found.insert(it->str());
  return found;
}

TEST(HelpPages, TheEnglishPageHasTheDutchPagesSectionsLinksAndPicturesAndTheyExist) {
  const std::filesystem::path help = testsupport::gameFolder().toStdString() + "/help";
  const auto dutch = anchorsAndPictures(help / "help.htm");
  EXPECT_GT(dutch.size(), 30U);
  EXPECT_EQ(anchorsAndPictures(help / "help_en.htm"), dutch);
  for (const std::string& reference : dutch) {
    const auto quote = reference.find_first_of("\"(");
    const std::string target = reference.substr(quote + 1, reference.size() - quote - 2);
    if (target.starts_with("../")) {
      EXPECT_TRUE(std::filesystem::exists(help / target)) << target;
    }
  }
}

// The access letters of one menu, or of a menu bar's titles, by letter.
std::map<QChar, QStringList> accessLetters(const QList<QAction*>& actions) {
  std::map<QChar, QStringList> letters;
  for (const QAction* action : actions) {
    const QString text = action->text();
    for (qsizetype at = text.indexOf('&'); at >= 0 && at + 1 < text.size();
         at = text.indexOf('&', at + 2)) {
      if (text[at + 1] == '&') continue;
      letters[text[at + 1].toLower()].append(text);
      break;
    }
  }
  return letters;
}

// Every menu and menu bar of `window` whose access letters clash, and every shortcut two of its
// commands share.
QStringList clashes(const QWidget& window) {
  QStringList found;
  const auto check = [&found, &window](const QString& where, const QList<QAction*>& actions) {
    for (const auto& [letter, texts] : accessLetters(actions))
      if (texts.size() > 1)
        found << QStringLiteral("%1, %2: %3").arg(window.windowTitle(), where, texts.join(" / "));
  };
  for (const QMenuBar* bar : window.findChildren<QMenuBar*>()) check("menu bar", bar->actions());
  for (const QMenu* menu : window.findChildren<QMenu*>()) check(menu->title(), menu->actions());
  std::map<QKeySequence, QStringList> shortcuts;
  for (const QAction* action : window.findChildren<QAction*>())
    for (const QKeySequence& key : action->shortcuts()) shortcuts[key].append(action->text());
  for (const auto& [key, texts] : shortcuts)
    if (texts.size() > 1)
      found << QStringLiteral("%1, %2: %3")
                   .arg(window.windowTitle(), key.toString(), texts.join(" / "));
  return found;
}

// The Dutch options menu has always had two commands on its O, between which the toolkit
// alternates; the English one has not.
const QString kOldClash =
    QStringLiteral("Dwaalbos 6.0, &Opties: V&olg pijlen met lijnen / &Overvang bij nieuw level");

class MenusIn : public LanguageChoice, public ::testing::WithParamInterface<Language> {};

TEST_P(MenusIn, NoTwoCommandsOfAMenuShareAnAccessLetterOrAWindowAShortcut) {
  speak(GetParam());
  qsizetype oldClashes = 0;
  for (const QWidget* window :
       std::initializer_list<const QWidget*>{&application.menu(), &application.play(),
                                             &application.editor(), &application.chooser()}) {
    QStringList found = clashes(*window);
    oldClashes += found.removeAll(kOldClash);
    EXPECT_TRUE(found.isEmpty()) << found.join('\n').toStdString();
  }
  EXPECT_EQ(oldClashes, GetParam() == Language::Dutch ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Languages, MenusIn, ::testing::Values(Language::Dutch, Language::English),
                         [](const auto& info) {
                           return info.param == Language::Dutch ? "Dutch" : "English";
                         });

}  // namespace
}  // namespace dwaalbos::testing
