#pragma once

#include <QObject>

#include <string>
#include <vector>

namespace dwaalbos {

class PlayInput;
class RightPanel;
class Sound;

// The panel's music controls: the list of the music folder and "Speel", "Pause", "Stop".
// Using any of them pauses the game until the board is clicked.
class MusicControls : public QObject {
  Q_OBJECT

 public:
  MusicControls(PlayInput& game, Sound& sound, RightPanel& panel, const std::string& gameFolder);

  // `Allemuziekjes`: lists the music folder afresh.
  void allemuziekjes();

 private:
  void onPlayMusicClicked();
  void afterButton();

  PlayInput& game_;
  Sound& sound_;
  RightPanel& panel_;
  std::string gameFolder_;
  // `Muziekpaden`: element 0 is the empty path, element i belongs to list entry i - 1.
  std::vector<std::string> muziekpaden_;
};

}  // namespace dwaalbos
