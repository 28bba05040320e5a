#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

namespace dwaalbos {

// What a move shows and plays, in order: kept while the rules run and then played from a
// timer at the move's own pace, so that the window's event loop runs on during a move. A box
// is one of the steps: what comes after it waits until the player has closed it.
class Presentation : public QObject {
 public:
  using Step = std::function<void()>;
  // Opens a box that does not wait; the box calls `closed` when the player is done with it.
  using Box = std::function<void(Step closed)>;

  Presentation();

  bool holding() const { return holding_; }
  bool playing() const { return timer_.isActive() || boxOpen_; }
  // From now on steps are kept until play().
  void hold() { holding_ = true; }
  // Runs the step now, or keeps it when holding or while a box is open.
  void add(Step step);
  // A pause between the kept steps: the next one runs no earlier than this.
  void wait(int milliseconds);
  // Opens the box now, or in its place among the kept steps.
  void box(Box open);
  // Plays the kept steps; `shown` runs after the last one, then the commands put off.
  void play(Step shown);
  // Plays the steps kept so far from the timer and goes on holding: the move is not over.
  void resume();
  // A command that must not cut into a move: run now, or after the move has been seen.
  void afterwards(Step command);

 private:
  struct Kept {
    Step act;
    int waitMs = 0;
    Box open;
  };
  void keepOrRun(Kept kept);
  void open(const Box& box);
  void run();
  void waited();
  void done();

  std::deque<Kept> steps_;
  std::vector<Step> shown_;
  std::vector<Step> putOff_;
  QTimer timer_;
  QDeadlineTimer waitEnds_;
  bool holding_ = false;
  bool inStep_ = false;
  bool boxOpen_ = false;
  bool released_ = false;  // play() was called: the held move ends when the steps run out
};

}  // namespace dwaalbos
