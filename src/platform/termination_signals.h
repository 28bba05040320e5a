#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace dwaalbos {

// Turns SIGTERM, SIGINT and SIGHUP into a call of `onSignal` on the window thread, so that a
// plain `kill` or closing the terminal ends the game the way its own quit command does. The
// handler only writes to a pipe; everything else happens in the event loop.
class TerminationSignals : public QObject {
 public:
  explicit TerminationSignals(std::function<void()> onSignal);
  ~TerminationSignals() override;
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

 private:
  void drain();

  std::function<void()> onSignal_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace dwaalbos
