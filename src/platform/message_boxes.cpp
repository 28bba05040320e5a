#include "message_boxes.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QString>

namespace dwaalbos {
namespace {

QString text(const std::string& utf8) {
  return QString::fromStdString(utf8).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString title(const std::string& utf8) {
  return utf8.empty() ? QApplication::applicationDisplayName() : text(utf8);
}

QMessageBox::Icon toolkitIcon(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::Exclamation: return QMessageBox::Warning;
    case BoxIcon::Critical: return QMessageBox::Critical;
    case BoxIcon::Question: return QMessageBox::Question;
    case BoxIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void showMessage(QWidget* parent, const std::string& boxTitle, const std::string& boxText,
                 BoxIcon icon) {
  QMessageBox box(toolkitIcon(icon), title(boxTitle), text(boxText), QMessageBox::Ok, parent);
  box.exec();
}

bool askYesNo(QWidget* parent, const std::string& boxTitle, const std::string& boxText,
              BoxIcon icon) {
  QMessageBox box(toolkitIcon(icon), title(boxTitle), text(boxText),
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::Yes);
  box.exec();
  return box.clickedButton() != box.button(QMessageBox::No);
}

void askYesNoLater(QWidget* parent, const std::string& boxTitle, const std::string& boxText,
                   BoxIcon icon, std::function<void(bool)> answered) {
  auto* box = new QMessageBox(toolkitIcon(icon), title(boxTitle), text(boxText),
                              QMessageBox::Yes | QMessageBox::No, parent);
  box->setDefaultButton(QMessageBox::Yes);
  box->setWindowModality(Qt::ApplicationModal);
  box->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(box, &QMessageBox::finished, box, [box, answered = std::move(answered)] {
    answered(box->clickedButton() != box->button(QMessageBox::No));
  });
  box->show();
}

std::optional<std::string> askLine(QWidget* parent, const std::string& boxTitle,
                                   const std::string& prompt, const std::string& initial) {
  bool accepted = false;
  const QString answer = QInputDialog::getText(parent, title(boxTitle), text(prompt),
                                               QLineEdit::Normal, text(initial), &accepted);
  if (!accepted) return std::nullopt;
  return answer.toStdString();
}

}  // namespace dwaalbos
