#include "message_boxes.h"

#include <QApplication>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>
#include <QString>

#include <algorithm>
#include <memory>

#include "level/file_messages.h"
#include "level/texts.h"
#include "platform/plain_text.h"
#include "platform/zoomed_dialogs.h"
#include "platform/zoomed_style.h"
#include "platform/zoomed_widgets.h"

namespace dwaalbos {
namespace {

constexpr int kBoxTextWidth = 300;  // at 100 %

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

// The toolkit wraps a box's text at a width of its own, whatever the font: a zoomed box is
// given room for its larger letters.
void widen(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  int width = zoomed(QSize(kBoxTextWidth, 0), currentZoom()).width();
  if (const QScreen* screen = box.screen())
    width = std::min(width, screen->availableGeometry().width() * 3 / 4);
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                grid->rowCount(), 0, 1, grid->columnCount());
}

// The texts quote file names and levels' texts, so they are never read as markup.
QMessageBox* newBox(QWidget* parent, const std::string& boxTitle, const std::string& boxText,
                    BoxIcon icon, QMessageBox::StandardButtons buttons) {
  auto* box = new QMessageBox(toolkitIcon(icon), title(boxTitle), QString(), buttons, parent);
  showPlain(*box, text(boxText));
  zoomDialog(*box);
  widen(*box);
  return box;
}

// Yes is the default; Escape and the close box count as No.
QMessageBox* newYesNoBox(QWidget* parent, const std::string& boxTitle, const std::string& boxText,
                         BoxIcon icon) {
  auto* box = newBox(parent, boxTitle, boxText, icon, QMessageBox::Yes | QMessageBox::No);
  box->setDefaultButton(QMessageBox::Yes);
  return box;
}

bool answeredYes(const QMessageBox& box) {
  return box.clickedButton() != box.button(QMessageBox::No);
}

// The box is modal to the whole program but does not wait; it goes once it is closed.
void showLater(QMessageBox* box, std::function<void()> closed) {
  box->setWindowModality(Qt::ApplicationModal);
  box->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(box, &QMessageBox::finished, box, std::move(closed));
  box->show();
}

}  // namespace

void showMessage(QWidget* parent, const std::string& boxTitle, const std::string& boxText,
                 BoxIcon icon) {
  const std::unique_ptr<QMessageBox> box(newBox(parent, boxTitle, boxText, icon, QMessageBox::Ok));
  box->exec();
}

bool askYesNo(QWidget* parent, const std::string& boxTitle, const std::string& boxText,
              BoxIcon icon) {
  const std::unique_ptr<QMessageBox> box(newYesNoBox(parent, boxTitle, boxText, icon));
  box->exec();
  return answeredYes(*box);
}

void tellLater(QWidget* parent, const std::string& boxTitle, const std::string& boxText,
               BoxIcon icon, std::function<void()> closed) {
  showLater(newBox(parent, boxTitle, boxText, icon, QMessageBox::Ok), std::move(closed));
}

void askYesNoLater(QWidget* parent, const std::string& boxTitle, const std::string& boxText,
                   BoxIcon icon, std::function<void(bool)> answered) {
  QMessageBox* box = newYesNoBox(parent, boxTitle, boxText, icon);
  showLater(box, [box, answered = std::move(answered)] { answered(answeredYes(*box)); });
}

std::optional<std::string> askLine(QWidget* parent, const std::string& boxTitle,
                                   const std::string& prompt, const std::string& initial) {
  QInputDialog box(parent);
  box.setWindowTitle(title(boxTitle));
  box.setLabelText(text(prompt));
  box.setTextValue(text(initial));
  zoomDialog(box);
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  return box.textValue().toStdString();
}

void tellIfCut(QWidget* parent, const std::string& path, const WriteResult& written) {
  if (written && written.dropped() != 0)
    showMessage(parent, texts::kIngekortTitle, droppedTailText(path, written),
                BoxIcon::Exclamation);
}

}  // namespace dwaalbos
