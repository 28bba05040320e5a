#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QAbstractButton;
class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace dwaalbos {

// The captions of a window's controls, each kept with its Dutch text: shown in the language the
// game speaks, and shown again in the new one whenever the player chooses another. The Dutch
// texts are marked where they are given: DWAALBOS_TR(context, text), with this object's context.
class Captions : public QObject {
 public:
  // Lives as long as `window`, which tells it of every change of language.
  Captions(QWidget& window, const char* context);

  QLabel* label(QLabel* control, const char* dutch);
  QAbstractButton* button(QAbstractButton* control, const char* dutch);
  QAction* action(QAction* control, const char* dutch);
  QMenu* menu(QMenu* control, const char* dutch);
  void windowTitle(QWidget& control, const char* dutch);
  // For what is composed of more than one text: `show` runs now and after every change.
  void follow(std::function<void()> show);

  // A text of this context in the current language.
  QString text(const char* dutch) const;

 protected:
  bool event(QEvent* event) override;

 private:
  template <class Control>
  Control* keep(Control* control, const char* dutch, void (Control::*set)(const QString&));

  const char* context_;
  std::vector<std::function<void()>> shows_;
};

}  // namespace dwaalbos
