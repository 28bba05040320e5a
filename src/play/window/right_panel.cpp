#include "right_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

#include "platform/picture_names.h"
#include "platform/pictures.h"
#include "window_geometry.h"

namespace dwaalbos {
namespace {

// The designed places are in the window's client area; the panel starts at the board's edge.
QRect placed(int x, int y, int width, int height) {
  return {x - geometry::kPanelX, y, width, height};
}

QFont panelFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(10);
  return font;
}

}  // namespace

RightPanel::RightPanel(const Pictures& pictures, QWidget* parent) : QWidget(parent) {
  setGeometry(geometry::kPanelX, 0, geometry::kPanelWidth, geometry::kPanelHeight);
  setFont(panelFont());
  picture(pictures.get(plaatje::kImage1), 484, 0, 167, 489);

  label("Gegevens level:", 496, 0, 153, 25)->setStyleSheet(QStringLiteral("font-weight: bold"));
  label("Naam:", 486, 24, 57, 17);
  Naamcaption = label("", 536, 24, 121, 33);
  Naamcaption->setWordWrap(true);
  label("Maker:", 488, 56, 57, 17);
  Makercap = label("", 544, 56, 105, 33);
  Makercap->setWordWrap(true);
  Label9 = label("Klik hier voor commentaar", 488, 88, 161, 41);
  Label9->setCursor(Qt::PointingHandCursor);
  Label9->setStyleSheet(QStringLiteral("text-decoration: underline"));
  Label9->installEventFilter(this);

  label("Status:", 528, 128, 53, 17)->setStyleSheet(QStringLiteral("font-weight: bold"));
  picture(pictures.get(plaatje::kImage2), 488, 152, 37, 42);
  picture(pictures.get(plaatje::kImage3), 488, 200, 38, 40);
  // One caption wrapping into four lines beside the two pictures.
  label("Sleutels:", 528, 152, 73, 16);
  label("Pijlen:", 528, 168, 73, 16);
  label("Sleutels:", 528, 200, 73, 16);
  label("Pijlen:", 528, 216, 73, 16);
  label("Zetten:", 584, 128, 40, 17);
  zetten = label("0", 624, 128, 25, 17);
  SleutelsJ = label("0", 600, 152, 33, 25);
  label("0", 600, 168, 41, 17);
  label("0", 600, 200, 33, 17);
  label("0", 600, 216, 33, 17);

  label("Opties:", 536, 240, 73, 17)->setStyleSheet(QStringLiteral("font-weight: bold"));
  label("Vertraging bij lopen:", 488, 256, 153, 17);
  loopcap = new QLineEdit(QStringLiteral("40"), this);
  loopcap->setGeometry(placed(488, 288, 37, 21));
  loopcap->setMaxLength(3);
  label("Milliseconden", 528, 296, 81, 17);
  Check1 = new QCheckBox(this);
  Check1->setGeometry(placed(496, 328, 15, 17));
  Check1->setChecked(true);
  label("Volg pijlen met lijnen met een vertraging van", 512, 312, 137, 41)->setWordWrap(true);
  snelcap = new QLineEdit(QStringLiteral("20"), this);
  snelcap->setGeometry(placed(488, 360, 44, 21));
  snelcap->setMaxLength(4);
  label("Milliseconden", 534, 365, 81, 17);
  Check2 = new QCheckBox(this);
  Check2->setGeometry(placed(496, 392, 15, 17));
  Check2->setChecked(true);
  label("Overgang bij nieuw level", 512, 384, 137, 33)->setWordWrap(true);

  label("Muziek:", 536, 412, 81, 15)->setStyleSheet(QStringLiteral("font-weight: bold"));
  label("Kies een muziekje:", 496, 426, 137, 15);
  Combo1 = new QComboBox(this);
  Combo1->setGeometry(placed(488, 442, 157, 21));
  Combo1->setEditable(true);
  Combo1->setInsertPolicy(QComboBox::NoInsert);
  Combo1->setEditText(QStringLiteral("Muziekjes"));
  Command1 = new QPushButton(QStringLiteral("Speel"), this);
  Command1->setGeometry(placed(488, 466, 51, 21));
  Command2 = new QPushButton(QStringLiteral("Pause"), this);
  Command2->setGeometry(placed(541, 466, 51, 21));
  Command5 = new QPushButton(QStringLiteral("Stop"), this);
  Command5->setGeometry(placed(594, 466, 51, 21));
}

QLabel* RightPanel::label(const char* text, int x, int y, int width, int height) {
  auto* made = new QLabel(QString::fromUtf8(text), this);
  made->setGeometry(placed(x, y, width, height));
  made->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return made;
}

QLabel* RightPanel::picture(const QImage& image, int x, int y, int width, int height) {
  auto* made = new QLabel(this);
  made->setGeometry(placed(x, y, width, height));
  made->setPixmap(QPixmap::fromImage(image));
  return made;
}

bool RightPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label9 && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    emit commentClicked();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace dwaalbos
