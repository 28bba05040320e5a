#pragma once

#include <QObject>

#include <string>

#include "level/byte_io.h"
#include "level/options_file.h"
#include "right_panel.h"

class QWidget;

namespace dwaalbos {

class PlayInput;
struct DelaySetting;
struct PlayMenus;

// The play window's six options: the "&Opties" menu, their controls on the panel, the
// values in force, and the options file. Those that change play go to the game by value. Menu marks
// and panel boxes are kept in step both ways. Every change the player makes is announced, so that
// it can be saved at once: the file is read again whenever the window gets the input back.
class OptionControls : public QObject {
  Q_OBJECT

 public:
  OptionControls(PlayInput& game, PlayMenus& menus, RightPanel& panel, QWidget& window);

  const Opties& opties() const { return opties_; }
  // Each level begins drawn with raster operations, whatever was chosen before.
  void levelBegun() { opties_.MetBitBlt = true; }

  void laadopties(const std::string& path);
  // The drawing method stored is the player's mark, not the raster drawing each level begins
  // with.
  WriteResult slaoptiesop(const std::string& path) const;

  // The game's first playback of follow lines made their delay `delay`.
  void showFollowDelay(int delay);

 signals:
  void panelShown(bool shown);
  void boardFocusWanted();
  void changedByPlayer();

 private:
  void onRightSideItemToggled();
  void onFollowLinesItemToggled();
  void onTransitionItemToggled();
  void onRasterDrawingToggled();
  void onPictureDrawingToggled();
  void onFollowLinesToggled(bool ticked);
  void onTransitionToggled(bool ticked);
  void onDelayTyped(RightPanel::Delay box, const QString& text);
  void askDelay(const DelaySetting& setting, RightPanel::Delay box, int& variable);
  void setMetBitBlt(bool bitblt);
  int& delayOf(RightPanel::Delay box);
  void changed();
  void playChanged();

  PlayInput& game_;
  Opties opties_;
  PlayMenus& menus_;
  RightPanel& panel_;
  QWidget& window_;
  bool loading_ = false;  // the controls are being set from the file, not by the player
};

}  // namespace dwaalbos
