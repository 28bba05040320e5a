#pragma once

class QAction;
class QMenu;
class QMenuBar;

namespace dwaalbos {

// The play window's menu bar: "&Level", "&Status" and "&Opties", with their items as the
// window was designed (captions, Ctrl shortcuts, check marks, disabled items).
struct PlayMenus {
  explicit PlayMenus(QMenuBar& bar);

  // The three titles, hidden during a test play.
  void setTitlesVisible(bool visible);

  QMenu* mnufile;
  QAction* mnustandard;
  QAction* mnuopen;
  QAction* mnuover;
  QAction* mnuzetterug;
  QAction* mnuzetopnieuw;
  QAction* mnutip;
  QAction* mnuoplossing;
  QAction* mnumenu;
  QAction* mnuexit;

  QMenu* mnustat;
  QMenu* mnujan;
  QAction* MnusleutelsZev;
  QAction* MnupijlenZev;
  QMenu* mnuver;
  QAction* Mnusleutelsver;
  QAction* mnupijlenver;

  QMenu* Mnuoptie;
  QAction* mnurechts;
  QAction* mnuloop;
  QAction* mnuvolg;
  QAction* mnuvertrlijn;
  QAction* mnubitblt;
  QAction* mnupp;
  QAction* mnuovergang;
};

}  // namespace dwaalbos
