#include "password.h"

#include <QInputDialog>
#include <QMessageBox>

namespace dwaalbos::irunin {

namespace {
constexpr int kAttempts = 3;
}

bool isPassword(const QString& typed) { return typed.trimmed() == QStringLiteral("Pelikaan7"); }

bool askPassword(QWidget* parent) {
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    bool ok = false;
    const QString typed =
        QInputDialog::getText(parent, "Dwaalbos", "Wachtwoord:", QLineEdit::Password, {}, &ok);
    if (!ok) return false;
    if (isPassword(typed)) return true;
    if (attempt < kAttempts)
      QMessageBox::warning(parent, "Dwaalbos",
                           "Dat is niet het goede wachtwoord. Probeer het nog eens.");
  }
  QMessageBox::information(parent, "Dwaalbos",
                           "Helaas, dat was drie keer mis. Kijk nog eens goed wat het menu "
                           "zei en start het dan opnieuw.");
  return false;
}

}  // namespace dwaalbos::irunin
