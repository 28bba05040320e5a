#pragma once

#include <QObject>

#include <array>

#include "level/translation.h"

class QAction;
class QEvent;
class QMenu;

namespace dwaalbos {

// How a window offers the language: a "T&aal" submenu of `menu` with "&Nederlands" and
// "&English", each in its own language, the one spoken checked in every window at once.
class LanguageMenu : public QObject {
  Q_OBJECT

 public:
  explicit LanguageMenu(QMenu& menu);

  QMenu& submenu() const { return *submenu_; }
  QAction& item(Language language) const;

 signals:
  // The player picked `language`; the application makes every window speak it.
  void chosen(Language language);

 protected:
  bool event(QEvent* event) override;

 private:
  void show();

  QMenu* submenu_;
  std::array<QAction*, 2> items_;
};

}  // namespace dwaalbos
