#include "music_controls.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QPushButton>

#include "audio/music_folder.h"
#include "audio/sound.h"
#include "play/engine/engine.h"
#include "right_panel.h"

namespace dwaalbos {

MusicControls::MusicControls(Engine& engine, Sound& sound, RightPanel& panel,
                             const std::string& gameFolder)
    : QObject(&panel), engine_(engine), sound_(sound), panel_(panel), gameFolder_(gameFolder) {
  allemuziekjes();
  connect(panel_.Combo1, &QComboBox::activated, this, [this] { engine_.toetsenleeg(); });
  connect(panel_.Command1, &QPushButton::clicked, this, &MusicControls::Command1Click);
  connect(panel_.Command2, &QPushButton::clicked, this, [this] {
    sound_.pauzeermuziek();
    afterButton();
  });
  connect(panel_.Command5, &QPushButton::clicked, this, [this] {
    sound_.stopmuziek();
    afterButton();
  });
  panel_.Combo1->installEventFilter(this);
}

void MusicControls::allemuziekjes() {
  panel_.Combo1->clear();
  muziekpaden_.assign(1, std::string());
  for (const Tune& file : dwaalbos::allTunes(gameFolder_)) {
    panel_.Combo1->addItem(QString::fromStdString(file.naam));
    muziekpaden_.push_back(file.pad);
  }
  panel_.Combo1->setCurrentIndex(-1);
  panel_.Combo1->setEditText(QStringLiteral("Muziekjes"));
}

// The entry whose name the list's field shows; -1 when the field holds anything else.
int MusicControls::chosenEntry() const {
  const int index = panel_.Combo1->currentIndex();
  if (index < 0 || panel_.Combo1->itemText(index) != panel_.Combo1->currentText()) return -1;
  return index;
}

void MusicControls::Command1Click() {
  if (!sound_.muziekpauze()) {
    sound_.speelmuziek(muziekpaden_[static_cast<std::size_t>(chosenEntry() + 1)]);
  } else {
    sound_.hervatmuziek();
  }
  afterButton();
}

void MusicControls::afterButton() {
  engine_.toetsenleeg();
  engine_.pauze(true);
}

bool MusicControls::eventFilter(QObject* watched, QEvent* event) {
  if (watched == panel_.Combo1 && event->type() == QEvent::FocusIn &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) {
    engine_.pauze(true);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace dwaalbos
