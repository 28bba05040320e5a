#include "play_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "level/translation.h"
#include "platform/captions.h"
#include "platform/language_menu.h"

namespace dwaalbos {
namespace {

QAction* item(Captions& captions, QMenu* menu, const char* caption,
              Qt::Key shortcut = Qt::Key_unknown) {
  QAction* action = captions.action(menu->addAction(QString()), caption);
  if (shortcut != Qt::Key_unknown) action->setShortcut(QKeySequence(Qt::CTRL | shortcut));
  return action;
}

QAction* mark(Captions& captions, QMenu* menu, const char* caption, Qt::Key shortcut,
              bool checked) {
  QAction* action = item(captions, menu, caption, shortcut);
  action->setCheckable(true);
  action->setChecked(checked);
  return action;
}

QMenu* submenu(Captions& captions, QMenu* menu, const char* title) {
  return captions.menu(menu->addMenu(QString()), title);
}

QMenu* title(Captions& captions, QMenuBar& bar, const char* caption) {
  return captions.menu(bar.addMenu(QString()), caption);
}

}  // namespace

PlayMenus::PlayMenus(QMenuBar& bar) {
  captions_ = new Captions(bar, "PlayMenus");
  auto& captions = *captions_;
  levelMenu = title(captions, bar, DWAALBOS_TR("PlayMenus", "&Level"));
  startStandardItem =
      item(captions, levelMenu, DWAALBOS_TR("PlayMenus", "&Start met standaard levels"), Qt::Key_S);
  levelMenu->addSeparator();
  openLevelFileItem =
      item(captions, levelMenu, DWAALBOS_TR("PlayMenus", "O&pen zelfgemaakt level"), Qt::Key_E);
  newMazeItem = item(captions, levelMenu, DWAALBOS_TR("PlayMenus", "Nieuw &doolhof"), Qt::Key_D);
  saveMazeItem = item(captions, levelMenu, DWAALBOS_TR("PlayMenus", "&Bewaar als level..."));
  saveMazeItem->setEnabled(false);
  restartItem = item(captions, levelMenu, DWAALBOS_TR("PlayMenus", "&Overnieuw"), Qt::Key_O);
  undoItem = item(captions, levelMenu, DWAALBOS_TR("PlayMenus", "&Zet terug"), Qt::Key_Z);
  redoItem = item(captions, levelMenu, DWAALBOS_TR("PlayMenus", "Zet op&nieuw"), Qt::Key_Y);
  tipItem = item(captions, levelMenu, DWAALBOS_TR("PlayMenus", "&Tip"), Qt::Key_T);
  showSolutionItem =
      item(captions, levelMenu, DWAALBOS_TR("PlayMenus", "&Laat de oplossing zien"), Qt::Key_K);
  undoItem->setEnabled(false);
  redoItem->setEnabled(false);
  levelMenu->addSeparator();
  toMenuItem =
      item(captions, levelMenu, DWAALBOS_TR("PlayMenus", "&Afsluiten naar menu"), Qt::Key_M);
  exitItem = item(captions, levelMenu, DWAALBOS_TR("PlayMenus", "&Helemaal afsluiten"), Qt::Key_H);

  // The status of the two players: only the first key count is live; the rest is decoration.
  statusMenu = title(captions, bar, DWAALBOS_TR("PlayMenus", "&Status"));
  firstPlayerMenu = submenu(captions, statusMenu, DWAALBOS_TR("PlayMenus", "Status &Zev Dizoz"));
  firstKeysItem = firstPlayerMenu->addAction(QString());
  captions.follow([this] { setKeyCount(keys_); });
  firstArrowsItem = item(captions, firstPlayerMenu, DWAALBOS_TR("PlayMenus", "Pijlen:     0"));
  firstArrowsItem->setEnabled(false);
  secondPlayerMenu = submenu(captions, statusMenu, DWAALBOS_TR("PlayMenus", "Status &Rud Dizoz"));
  // Disabled as a widget, not only as an action: re-enabling the window then leaves it be.
  secondPlayerMenu->setEnabled(false);
  secondKeysItem = item(captions, secondPlayerMenu, DWAALBOS_TR("PlayMenus", "Sleutels: 0"));
  secondArrowsItem = item(captions, secondPlayerMenu, DWAALBOS_TR("PlayMenus", "Pijlen:     0"));

  optionsMenu = title(captions, bar, DWAALBOS_TR("PlayMenus", "&Opties"));
  rightSideItem =
      mark(captions, optionsMenu, DWAALBOS_TR("PlayMenus", "&Rechterkant"), Qt::Key_R, true);
  optionsMenu->addSeparator();
  walkingDelayItem =
      item(captions, optionsMenu, DWAALBOS_TR("PlayMenus", "&Vertraging met lopen"), Qt::Key_L);
  optionsMenu->addSeparator();
  followLinesItem = mark(captions, optionsMenu, DWAALBOS_TR("PlayMenus", "V&olg pijlen met lijnen"),
                         Qt::Key_P, true);
  lineDelayItem =
      item(captions, optionsMenu, DWAALBOS_TR("PlayMenus", "V&ertraging van lijnen"), Qt::Key_V);
  optionsMenu->addSeparator();
  rasterDrawingItem =
      mark(captions, optionsMenu, DWAALBOS_TR("PlayMenus", "Teken met &Bitblt"), Qt::Key_B, true);
  pictureDrawingItem = mark(captions, optionsMenu,
                            DWAALBOS_TR("PlayMenus", "Teken met &Paintpicture"), Qt::Key_A, false);
  optionsMenu->addSeparator();
  transitionItem = mark(captions, optionsMenu,
                        DWAALBOS_TR("PlayMenus", "&Overvang bij nieuw level"), Qt::Key_N, true);
  languageMenu = new LanguageMenu(*optionsMenu);
}

void PlayMenus::setKeyCount(int keys) {
  keys_ = keys;
  firstKeysItem->setText(captions_->text(DWAALBOS_TR("PlayMenus", "Sleutels: %1")).arg(keys));
}

void PlayMenus::setTitlesVisible(bool visible) {
  // A hidden menu's shortcuts are out of reach as well.
  for (QMenu* title : {levelMenu, statusMenu, optionsMenu})
    title->menuAction()->setVisible(visible);
}

}  // namespace dwaalbos
