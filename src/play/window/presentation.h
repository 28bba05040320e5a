#pragma once

#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

class QEventLoop;

namespace dwaalbos {

// What a move shows and plays, in order: kept while the rules run and then played from a
// timer at the move's own pace, so that the window's event loop runs on during a move.
class Presentation : public QObject {
 public:
  using Step = std::function<void()>;

  Presentation();

  bool holding() const { return holding_; }
  bool playing() const { return timer_.isActive(); }
  // From now on steps are kept until play().
  void hold() { holding_ = true; }
  // Runs the step now, or keeps it when holding.
  void add(Step step);
  // A pause between the kept steps.
  void wait(int milliseconds);
  // Plays the kept steps; `shown` runs after the last one, then the commands put off.
  void play(Step shown);
  // Plays the steps kept so far before the caller goes on, as a box does before it opens.
  void finish();
  // Plays the steps kept so far from the timer and goes on holding: the move is not over.
  void resume();
  // A command that must not cut into a move: run now, or after the move has been seen.
  void afterwards(Step command);

 private:
  struct Kept {
    Step act;
    int waitMs = 0;
  };
  void run();
  void done();

  std::deque<Kept> steps_;
  std::vector<Step> shown_;
  std::vector<Step> putOff_;
  QTimer timer_;
  QEventLoop* finishing_ = nullptr;
  bool holding_ = false;
  bool inStep_ = false;
  bool released_ = false;  // play() was called: the held move ends when the steps run out
};

}  // namespace dwaalbos
