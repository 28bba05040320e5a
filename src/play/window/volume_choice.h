#pragma once

#include <QObject>

#include <string>

class QDialog;
class QMenu;
class QSlider;
class QWidget;

namespace dwaalbos {

class Sound;

// The player's own levels of the music and the sound effects: "&Geluidssterkte..." in the
// options menu shows a small window with the sliders "Muziek" and "Geluid", 0 to 100, where 0
// mutes. A move is heard at once and kept in the volume file, which the game reads at start-up.
class VolumeChoice : public QObject {
 public:
  VolumeChoice(QWidget& window, QMenu& menu, Sound& sound, std::string file);

  QDialog& dialog() const { return *dialog_; }
  QSlider& muziek() const { return *muziek_; }
  QSlider& geluid() const { return *geluid_; }

 private:
  void changed(bool keep);

  Sound& sound_;
  std::string file_;
  QDialog* dialog_;
  QSlider* muziek_;
  QSlider* geluid_;
};

}  // namespace dwaalbos
