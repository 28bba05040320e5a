#include "language_menu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>

namespace dwaalbos {

LanguageMenu::LanguageMenu(QMenu& menu) : QObject(&menu), submenu_(menu.addMenu(QString())) {
  auto* group = new QActionGroup(submenu_);
  const std::array<std::pair<Language, const char*>, 2> languages{
      {{Language::Dutch, "&Nederlands"}, {Language::English, "&English"}}};
  for (const auto& [language, name] : languages) {
    QAction* item = submenu_->addAction(QString::fromUtf8(name));
    item->setCheckable(true);
    group->addAction(item);
    connect(item, &QAction::triggered, this, [this, language] { emit chosen(language); });
    items_[static_cast<std::size_t>(language)] = item;
  }
  show();
}

QAction& LanguageMenu::item(Language language) const {
  return *items_[static_cast<std::size_t>(language)];
}

void LanguageMenu::show() {
  submenu_->setTitle(QCoreApplication::translate("LanguageMenu", "T&aal"));
  item(currentLanguage()).setChecked(true);
}

// Told through the menu it belongs to, in every window.
bool LanguageMenu::event(QEvent* event) {
  if (event->type() != QEvent::LanguageChange) return QObject::event(event);
  show();
  return true;
}

}  // namespace dwaalbos
