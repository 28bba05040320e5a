#include "option_controls.h"

#include <QAction>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
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
          [this] { askDelay(kLoopDelay, panel_.walkingDelayBox, opties_.Loopvertraging); });
  connect(menus_.lineDelayItem, &QAction::triggered, this,
          [this] { askDelay(kLineDelay, panel_.lineDelayBox, opties_.Lijnvertraging); });
  connect(panel_.followLinesBox, &QCheckBox::toggled, this, &OptionControls::onFollowLinesToggled);
  connect(panel_.transitionBox, &QCheckBox::toggled, this, &OptionControls::onTransitionToggled);

  for (QLineEdit* box : {panel_.walkingDelayBox, panel_.lineDelayBox}) {
    // Typed keys are filtered below; the validator keeps pasted text to digits as well.
    box->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), box));
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->installEventFilter(this);
  }
  panel_.followLinesBox->installEventFilter(this);
  panel_.transitionBox->installEventFilter(this);

  // Until the first load the game plays with the marks as the window was designed.
  opties_.rechterkant = menus_.rightSideItem->isChecked();
  opties_.volglijnen = panel_.followLinesBox->isChecked();
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
  panel_.walkingDelayBox->setText(QString::number(opties_.Loopvertraging));

  menus_.followLinesItem->setChecked(stored.volglijnen);
  panel_.followLinesBox->setChecked(stored.volglijnen);

  opties_.Lijnvertraging = std::clamp(stored.Lijnvertraging, 0, kLineDelay.maximum);
  panel_.lineDelayBox->setText(QString::number(opties_.Lijnvertraging));

  setMetBitBlt(stored.MetBitBlt);

  menus_.transitionItem->setChecked(stored.overgang);
  opties_.overgang = stored.overgang;
  panel_.transitionBox->setChecked(stored.overgang);
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
  panel_.lineDelayBox->setText(QString::number(opties_.Lijnvertraging));
}

// Checkable menu items have inverted their own mark by the time these run.
void OptionControls::onRightSideItemToggled() {
  opties_.rechterkant = menus_.rightSideItem->isChecked();
  emit panelShown(menus_.rightSideItem->isChecked());
  changed();
}

void OptionControls::onFollowLinesItemToggled() {
  panel_.followLinesBox->setChecked(menus_.followLinesItem->isChecked());
}

void OptionControls::onTransitionItemToggled() {
  opties_.overgang = menus_.transitionItem->isChecked();
  playChanged();
  panel_.transitionBox->setChecked(menus_.transitionItem->isChecked());
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
  panel_.lineDelayBox->setEnabled(ticked);
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

void OptionControls::askDelay(const DelaySetting& setting, QLineEdit* box, int& variable) {
  const std::string shown = box->text().toStdString();
  const auto answer = askLine(&window_, setting.title, delayPrompt(setting, shown), shown);
  box->setText(QString::fromStdString(delayBoxText(setting, answer)));
  variable = leadingNumber(box->text().toStdString());
  playChanged();
  changed();
}

int& OptionControls::delayOf(QLineEdit* box) {
  return box == panel_.walkingDelayBox ? opties_.Loopvertraging : opties_.Lijnvertraging;
}

// The delay boxes take digits only: every other typed character, Backspace too, is dropped,
// and a Ctrl key goes to the menu's shortcut instead of the box. Delete types no character, so
// it works as in any box, and so does a digit typed over a selection. Each key release sets the
// delay from the box.
bool OptionControls::digitBoxEvent(QLineEdit* box, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      return static_cast<QKeyEvent*>(event)->modifiers() & Qt::ControlModifier;
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Delete) return false;
      const QString typed = key->text();
      return !typed.isEmpty() && !(typed.size() == 1 && typed[0] >= u'0' && typed[0] <= u'9');
    }
    case QEvent::KeyRelease: {
      const int typed = leadingNumber(box->text().toStdString());
      if (std::exchange(delayOf(box), typed) == typed) return false;
      playChanged();
      changed();
      return false;
    }
    default: return false;
  }
}

bool OptionControls::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && watched != panel_.lineDelayBox &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) {
    game_.pause(true);
  }
  if (watched == panel_.walkingDelayBox || watched == panel_.lineDelayBox)
    return digitBoxEvent(static_cast<QLineEdit*>(watched), event);
  return QObject::eventFilter(watched, event);
}

}  // namespace dwaalbos
