#include "music_controls.h"

#include "audio/music_folder.h"
#include "audio/sound.h"
#include "play_input.h"
#include "right_panel.h"

namespace dwaalbos {

MusicControls::MusicControls(PlayInput& game, Sound& sound, RightPanel& panel,
                             const std::string& gameFolder)
    : QObject(&panel), game_(game), sound_(sound), panel_(panel), gameFolder_(gameFolder) {
  allemuziekjes();
  connect(&panel_, &RightPanel::tuneActivated, this, [this] { game_.forgetKeys(); });
  connect(&panel_, &RightPanel::playMusicClicked, this, &MusicControls::onPlayMusicClicked);
  connect(&panel_, &RightPanel::pauseMusicClicked, this, [this] {
    sound_.pauzeermuziek();
    afterButton();
  });
  connect(&panel_, &RightPanel::stopMusicClicked, this, [this] {
    sound_.stopmuziek();
    afterButton();
  });
}

void MusicControls::allemuziekjes() {
  QStringList names;
  muziekpaden_.assign(1, std::string());
  for (const Tune& file : dwaalbos::allTunes(gameFolder_)) {
    names.append(QString::fromStdString(file.naam));
    muziekpaden_.push_back(file.pad);
  }
  panel_.setTunes(names);
}

void MusicControls::onPlayMusicClicked() {
  if (!sound_.muziekpauze()) {
    sound_.speelmuziek(muziekpaden_[static_cast<std::size_t>(panel_.chosenTune() + 1)]);
  } else {
    sound_.hervatmuziek();
  }
  afterButton();
}

void MusicControls::afterButton() {
  game_.forgetKeys();
  game_.pause(true);
}

}  // namespace dwaalbos
