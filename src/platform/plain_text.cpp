#include "plain_text.h"

#include <QLabel>
#include <QMessageBox>
#include <QString>

namespace dwaalbos {

void showPlain(QLabel& label, const QString& text) {
  label.setTextFormat(Qt::PlainText);
  label.setText(text);
}

void showPlain(QMessageBox& box, const QString& text) {
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
}

QString plainTitle(const QString& text) {
  return QString(text).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

}  // namespace dwaalbos
