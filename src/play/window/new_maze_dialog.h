#pragma once

#include <QDialog>

#include <cstdint>
#include <optional>

#include "play/generator/difficulty.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace dwaalbos {

// Which new maze the player asks for: a difficulty and its number, none for a fresh one.
struct MazeRequest {
  Difficulty difficulty = Difficulty::Makkelijk;
  std::optional<std::uint32_t> seed;
};

// The number of today's puzzle of `difficulty`, by the local calendar date.
std::uint32_t todaysSeed(Difficulty difficulty);

// "Nieuw doolhof": the difficulty, the number a friend may have told (1..999999, empty for a
// fresh one), and "Puzzel van de dag", which makes today's maze of the chosen difficulty.
class NewMazeDialog : public QDialog {
 public:
  NewMazeDialog(QWidget* parent, Difficulty difficulty);

  // What was chosen, once the dialog was accepted.
  MazeRequest request() const;

  QComboBox* difficultyBox;
  QLineEdit* seedBox;
  QPushButton* dailyButton;
  QPushButton* makeButton;
};

}  // namespace dwaalbos
