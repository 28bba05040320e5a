#include "captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>

namespace dwaalbos {

// The toolkit passes a window's LanguageChange on to all its children, this object too.
Captions::Captions(QWidget& window, const char* context) : QObject(&window), context_(context) {}

QString Captions::text(const char* dutch) const {
  return QCoreApplication::translate(context_, dutch);
}

// A control may go before its window does; its caption then goes with it.
template <class Control>
Control* Captions::keep(Control* control, const char* dutch, void (Control::*set)(const QString&)) {
  follow([this, shown = QPointer<Control>(control), dutch, set] {
    if (shown) (shown->*set)(text(dutch));
  });
  return control;
}

QLabel* Captions::label(QLabel* control, const char* dutch) {
  return keep(control, dutch, &QLabel::setText);
}

QAbstractButton* Captions::button(QAbstractButton* control, const char* dutch) {
  return keep(control, dutch, &QAbstractButton::setText);
}

QAction* Captions::action(QAction* control, const char* dutch) {
  return keep(control, dutch, &QAction::setText);
}

QMenu* Captions::menu(QMenu* control, const char* dutch) {
  return keep(control, dutch, &QMenu::setTitle);
}

void Captions::windowTitle(QWidget& control, const char* dutch) {
  keep(&control, dutch, &QWidget::setWindowTitle);
}

void Captions::follow(std::function<void()> show) {
  show();
  shows_.push_back(std::move(show));
}

bool Captions::event(QEvent* event) {
  if (event->type() != QEvent::LanguageChange) return QObject::event(event);
  for (const auto& show : shows_) show();
  return true;
}

}  // namespace dwaalbos
