#include "option_controls.h"

#include <QAction>
#include <QScopedValueRollback>

#include <algorithm>
#include <utility>

#include "delay_setting.h"
#include "level/options_file.h"
#include "platform/message_boxes.h"
#include "play/session/play_state.h"
#include "play_input.h"
#include "play_menus.h"
#include "right_panel.h"

namespace dwaalbos {

OptionControls::OptionControls(PlayInput& game, PlayMenus& menus, RightPanel& panel,
                               QWidget& window)
    : QObject(&window), game_(game), menus_(menus), panel_(panel), window_(window) {
  connect(menus_.rightSideItem, &QAction::triggered, this, &OptionControls::onRightSideItemToggled);
  connect(menus_.followLinesItem, &QAction::triggered, this,
          &OptionControls::onFollowLinesItemToggled);
  connect(menus_.transitionItem, &QAction::triggered, this,
          &OptionControls::onTransitionItemToggled);
  connect(menus_.rasterDrawingItem, &QAction::triggered, this,
          &OptionControls::onRasterDrawingToggled);
  connect(menus_.pictureDrawingItem, &QAction::triggered, this,
          &OptionControls::onPictureDrawingToggled);
  connect(menus_.walkingDelayItem, &QAction::triggered, this,
          [this] { askDelay(kLoopDelay, RightPanel::Delay::walking, opties_.Loopvertraging); });
  connect(menus_.lineDelayItem, &QAction::triggered, this,
          [this] { askDelay(kLineDelay, RightPanel::Delay::line, opties_.Lijnvertraging); });
  connect(&panel_, &RightPanel::followLinesToggled, this, &OptionControls::onFollowLinesToggled);
  connect(&panel_, &RightPanel::transitionToggled, this, &OptionControls::onTransitionToggled);
  connect(&panel_, &RightPanel::delayTyped, this, &OptionControls::onDelayTyped);

  // Until the first load the game plays with the marks as the window was designed.
  opties_.rechterkant = menus_.rightSideItem->isChecked();
  opties_.volglijnen = panel_.followsLines();
  opties_.overgang = menus_.transitionItem->isChecked();
  playChanged();
}

void OptionControls::playChanged() { game_.playWith(playOptionsOf(opties_)); }

void OptionControls::laadopties(const std::string& path) {
  const Opties stored = loadOptions(path);
  const QScopedValueRollback loading(loading_, true);

  menus_.rightSideItem->setChecked(stored.rechterkant);
  opties_.rechterkant = stored.rechterkant;
  emit panelShown(stored.rechterkant);

  // A hand-edited file gets no delay the dialogs would refuse.
  opties_.Loopvertraging = std::clamp(stored.Loopvertraging, 0, kLoopDelay.maximum);
  panel_.setDelayText(RightPanel::Delay::walking, QString::number(opties_.Loopvertraging));

  menus_.followLinesItem->setChecked(stored.volglijnen);
  panel_.setFollowLines(stored.volglijnen);

  opties_.Lijnvertraging = std::clamp(stored.Lijnvertraging, 0, kLineDelay.maximum);
  panel_.setDelayText(RightPanel::Delay::line, QString::number(opties_.Lijnvertraging));

  setMetBitBlt(stored.MetBitBlt);

  menus_.transitionItem->setChecked(stored.overgang);
  opties_.overgang = stored.overgang;
  panel_.setTransition(stored.overgang);
  playChanged();
}

WriteResult OptionControls::slaoptiesop(const std::string& path) const {
  Opties stored = opties_;
  stored.rechterkant = menus_.rightSideItem->isChecked();
  stored.volglijnen = menus_.followLinesItem->isChecked();
  stored.overgang = menus_.transitionItem->isChecked();
  stored.MetBitBlt = menus_.rasterDrawingItem->isChecked();
  return saveOptions(path, stored);
}

void OptionControls::changed() {
  if (!loading_) emit changedByPlayer();
}

void OptionControls::showFollowDelay(int delay) {
  opties_.Lijnvertraging = delay;
  panel_.setDelayText(RightPanel::Delay::line, QString::number(opties_.Lijnvertraging));
}

// Checkable menu items have inverted their own mark by the time these run.
void OptionControls::onRightSideItemToggled() {
  opties_.rechterkant = menus_.rightSideItem->isChecked();
  emit panelShown(menus_.rightSideItem->isChecked());
  changed();
}

void OptionControls::onFollowLinesItemToggled() {
  panel_.setFollowLines(menus_.followLinesItem->isChecked());
}

void OptionControls::onTransitionItemToggled() {
  opties_.overgang = menus_.transitionItem->isChecked();
  playChanged();
  panel_.setTransition(menus_.transitionItem->isChecked());
}

void OptionControls::onRasterDrawingToggled() {
  setMetBitBlt(menus_.rasterDrawingItem->isChecked());
  changed();
}

void OptionControls::onPictureDrawingToggled() {
  setMetBitBlt(!menus_.pictureDrawingItem->isChecked());
  changed();
}

void OptionControls::setMetBitBlt(bool bitblt) {
  menus_.rasterDrawingItem->setChecked(bitblt);
  menus_.pictureDrawingItem->setChecked(!bitblt);
  opties_.MetBitBlt = bitblt;
}

void OptionControls::onFollowLinesToggled(bool ticked) {
  menus_.followLinesItem->setChecked(ticked);
  opties_.volglijnen = ticked;
  playChanged();
  game_.forgetKeys();
  game_.pause(false);
  changed();
}

void OptionControls::onTransitionToggled(bool ticked) {
  menus_.transitionItem->setChecked(ticked);
  opties_.overgang = ticked;
  playChanged();
  game_.forgetKeys();
  emit boardFocusWanted();
  game_.pause(false);
  changed();
}

void OptionControls::askDelay(const DelaySetting& setting, RightPanel::Delay box, int& variable) {
  const std::string shown = panel_.delayText(box).toStdString();
  const auto answer = askLine(&window_, delayTitle(setting), delayPrompt(setting, shown), shown);
  panel_.setDelayText(box, QString::fromStdString(delayBoxText(setting, answer)));
  variable = leadingNumber(panel_.delayText(box).toStdString());
  playChanged();
  changed();
}

int& OptionControls::delayOf(RightPanel::Delay box) {
  return box == RightPanel::Delay::walking ? opties_.Loopvertraging : opties_.Lijnvertraging;
}

// Each key let go in a delay box sets the delay from the box.
void OptionControls::onDelayTyped(RightPanel::Delay box, const QString& text) {
  const int typed = leadingNumber(text.toStdString());
  if (std::exchange(delayOf(box), typed) == typed) return;
  playChanged();
  changed();
}

}  // namespace dwaalbos
