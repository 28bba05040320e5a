#include "music_controls.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QPushButton>

#include "audio/music_folder.h"
#include "audio/sound.h"
#include "play_input.h"
#include "right_panel.h"

namespace dwaalbos {

MusicControls::MusicControls(PlayInput& game, Sound& sound, RightPanel& panel,
                             const std::string& gameFolder)
    : QObject(&panel), game_(game), sound_(sound), panel_(panel), gameFolder_(gameFolder) {
  allemuziekjes();
  connect(panel_.musicList, &QComboBox::activated, this, [this] { game_.forgetKeys(); });
  connect(panel_.playMusicButton, &QPushButton::clicked, this, &MusicControls::onPlayMusicClicked);
  connect(panel_.pauseMusicButton, &QPushButton::clicked, this, [this] {
    sound_.pauzeermuziek();
    afterButton();
  });
  connect(panel_.stopMusicButton, &QPushButton::clicked, this, [this] {
    sound_.stopmuziek();
    afterButton();
  });
  panel_.musicList->installEventFilter(this);
}

void MusicControls::allemuziekjes() {
  panel_.musicList->clear();
  muziekpaden_.assign(1, std::string());
  for (const Tune& file : dwaalbos::allTunes(gameFolder_)) {
    panel_.musicList->addItem(QString::fromStdString(file.naam));
    muziekpaden_.push_back(file.pad);
  }
  panel_.musicList->setCurrentIndex(-1);
  panel_.musicList->setEditText(QStringLiteral("Muziekjes"));
}

// The entry whose name the list's field shows; -1 when the field holds anything else.
int MusicControls::chosenEntry() const {
  const int index = panel_.musicList->currentIndex();
  if (index < 0 || panel_.musicList->itemText(index) != panel_.musicList->currentText()) return -1;
  return index;
}

void MusicControls::onPlayMusicClicked() {
  if (!sound_.muziekpauze()) {
    sound_.speelmuziek(muziekpaden_[static_cast<std::size_t>(chosenEntry() + 1)]);
  } else {
    sound_.hervatmuziek();
  }
  afterButton();
}

void MusicControls::afterButton() {
  game_.forgetKeys();
  game_.pause(true);
}

bool MusicControls::eventFilter(QObject* watched, QEvent* event) {
  if (watched == panel_.musicList && event->type() == QEvent::FocusIn &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) {
    game_.pause(true);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace dwaalbos
