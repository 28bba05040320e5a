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
  mnufile = bar.addMenu(QStringLiteral("&Level"));
  mnustandard = item(mnufile, "&Start met standaard levels", Qt::Key_S);
  mnufile->addSeparator();
  mnuopen = item(mnufile, "O&pen zelfgemaakt level", Qt::Key_E);
  mnuover = item(mnufile, "&Overnieuw", Qt::Key_O);
  mnuzetterug = item(mnufile, "&Zet terug", Qt::Key_Z);
  mnuzetopnieuw = item(mnufile, "Zet op&nieuw", Qt::Key_Y);
  mnutip = item(mnufile, "&Tip", Qt::Key_T);
  mnuoplossing = item(mnufile, "&Laat de oplossing zien", Qt::Key_K);
  mnuzetterug->setEnabled(false);
  mnuzetopnieuw->setEnabled(false);
  mnufile->addSeparator();
  mnumenu = item(mnufile, "&Afsluiten naar menu", Qt::Key_M);
  mnuexit = item(mnufile, "&Helemaal afsluiten", Qt::Key_H);

  // The status of the two players: only the first key count is live; the rest is decoration.
  mnustat = bar.addMenu(QStringLiteral("&Status"));
  mnujan = mnustat->addMenu(QStringLiteral("Status &Zev Dizoz"));
  MnusleutelsZev = item(mnujan, "Sleutels: 0");
  MnupijlenZev = item(mnujan, "Pijlen:     0");
  MnupijlenZev->setEnabled(false);
  mnuver = mnustat->addMenu(QStringLiteral("Status &Rud Dizoz"));
  // Disabled as a widget, not only as an action: re-enabling the window then leaves it be.
  mnuver->setEnabled(false);
  Mnusleutelsver = item(mnuver, "Sleutels: 0");
  mnupijlenver = item(mnuver, "Pijlen:     0");

  Mnuoptie = bar.addMenu(QStringLiteral("&Opties"));
  mnurechts = mark(Mnuoptie, "&Rechterkant", Qt::Key_R, true);
  Mnuoptie->addSeparator();
  mnuloop = item(Mnuoptie, "&Vertraging met lopen", Qt::Key_L);
  Mnuoptie->addSeparator();
  mnuvolg = mark(Mnuoptie, "V&olg pijlen met lijnen", Qt::Key_P, true);
  mnuvertrlijn = item(Mnuoptie, "V&ertraging van lijnen", Qt::Key_V);
  Mnuoptie->addSeparator();
  mnubitblt = mark(Mnuoptie, "Teken met &Bitblt", Qt::Key_B, true);
  mnupp = mark(Mnuoptie, "Teken met &Paintpicture", Qt::Key_A, false);
  Mnuoptie->addSeparator();
  mnuovergang = mark(Mnuoptie, "&Overvang bij nieuw level", Qt::Key_N, true);
}

void PlayMenus::setTitlesVisible(bool visible) {
  // A hidden menu's shortcuts are out of reach as well.
  for (QMenu* title : {mnufile, mnustat, Mnuoptie}) title->menuAction()->setVisible(visible);
}

}  // namespace dwaalbos
