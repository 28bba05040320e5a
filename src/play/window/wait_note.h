#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QProgressDialog;
class QWidget;

namespace dwaalbos {

// The note for work the window waits on beside it (a help search, a new maze): window-modal,
// shown only when the work takes longer than 300 ms, its one button stopping the work.
class WaitNote : public QObject {
 public:
  // `stop` runs when the player presses the button.
  WaitNote(QWidget& window, std::function<void()> stop);

  // The work began: `text` and the button `stopLabel` appear once it takes long.
  void begin(const char* text, const char* stopLabel);
  // The work ended: the note goes, or never comes.
  void end();

 private:
  void show();

  QWidget& window_;
  std::function<void()> stop_;
  QTimer delay_;
  QProgressDialog* note_ = nullptr;
  const char* text_ = "";
  const char* stopLabel_ = "";
};

}  // namespace dwaalbos
