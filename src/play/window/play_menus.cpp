#include "play_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace dwaalbos {
namespace {

QAction* item(QMenu* menu, const char* caption, Qt::Key shortcut = Qt::Key_unknown) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  if (shortcut != Qt::Key_unknown) action->setShortcut(QKeySequence(Qt::CTRL | shortcut));
  return action;
}

QAction* mark(QMenu* menu, const char* caption, Qt::Key shortcut, bool checked) {
  QAction* action = item(menu, caption, shortcut);
  action->setCheckable(true);
  action->setChecked(checked);
  return action;
}

}  // namespace

PlayMenus::PlayMenus(QMenuBar& bar) {
  levelMenu = bar.addMenu(QStringLiteral("&Level"));
  startStandardItem = item(levelMenu, "&Start met standaard levels", Qt::Key_S);
  levelMenu->addSeparator();
  openLevelFileItem = item(levelMenu, "O&pen zelfgemaakt level", Qt::Key_E);
  newMazeItem = item(levelMenu, "Nieuw &doolhof", Qt::Key_D);
  saveMazeItem = item(levelMenu, "&Bewaar als level...");
  saveMazeItem->setEnabled(false);
  restartItem = item(levelMenu, "&Overnieuw", Qt::Key_O);
  undoItem = item(levelMenu, "&Zet terug", Qt::Key_Z);
  redoItem = item(levelMenu, "Zet op&nieuw", Qt::Key_Y);
  tipItem = item(levelMenu, "&Tip", Qt::Key_T);
  showSolutionItem = item(levelMenu, "&Laat de oplossing zien", Qt::Key_K);
  undoItem->setEnabled(false);
  redoItem->setEnabled(false);
  levelMenu->addSeparator();
  toMenuItem = item(levelMenu, "&Afsluiten naar menu", Qt::Key_M);
  exitItem = item(levelMenu, "&Helemaal afsluiten", Qt::Key_H);

  // The status of the two players: only the first key count is live; the rest is decoration.
  statusMenu = bar.addMenu(QStringLiteral("&Status"));
  firstPlayerMenu = statusMenu->addMenu(QStringLiteral("Status &Zev Dizoz"));
  firstKeysItem = item(firstPlayerMenu, "Sleutels: 0");
  firstArrowsItem = item(firstPlayerMenu, "Pijlen:     0");
  firstArrowsItem->setEnabled(false);
  secondPlayerMenu = statusMenu->addMenu(QStringLiteral("Status &Rud Dizoz"));
  // Disabled as a widget, not only as an action: re-enabling the window then leaves it be.
  secondPlayerMenu->setEnabled(false);
  secondKeysItem = item(secondPlayerMenu, "Sleutels: 0");
  secondArrowsItem = item(secondPlayerMenu, "Pijlen:     0");

  optionsMenu = bar.addMenu(QStringLiteral("&Opties"));
  rightSideItem = mark(optionsMenu, "&Rechterkant", Qt::Key_R, true);
  optionsMenu->addSeparator();
  walkingDelayItem = item(optionsMenu, "&Vertraging met lopen", Qt::Key_L);
  optionsMenu->addSeparator();
  followLinesItem = mark(optionsMenu, "V&olg pijlen met lijnen", Qt::Key_P, true);
  lineDelayItem = item(optionsMenu, "V&ertraging van lijnen", Qt::Key_V);
  optionsMenu->addSeparator();
  rasterDrawingItem = mark(optionsMenu, "Teken met &Bitblt", Qt::Key_B, true);
  pictureDrawingItem = mark(optionsMenu, "Teken met &Paintpicture", Qt::Key_A, false);
  optionsMenu->addSeparator();
  transitionItem = mark(optionsMenu, "&Overvang bij nieuw level", Qt::Key_N, true);
}

void PlayMenus::setTitlesVisible(bool visible) {
  // A hidden menu's shortcuts are out of reach as well.
  for (QMenu* title : {levelMenu, statusMenu, optionsMenu})
    title->menuAction()->setVisible(visible);
}

}  // namespace dwaalbos
