#include "presentation.h"

namespace dwaalbos {

// A coarse timer may fire up to 5 % early; a delay of the game is a minimum.
Presentation::Presentation() {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &Presentation::waited);
}

// What a kept step does itself happens at once, in its place.
void Presentation::add(Step step) { keepOrRun({std::move(step), 0, nullptr}); }

void Presentation::wait(int milliseconds) {
  if (holding_ && milliseconds > 0) steps_.push_back({nullptr, milliseconds, nullptr});
}

void Presentation::box(Box open) { keepOrRun({nullptr, 0, std::move(open)}); }

void Presentation::keepOrRun(Kept kept) {
  if ((holding_ || boxOpen_) && !inStep_) steps_.push_back(std::move(kept));
  else if (kept.open) open(kept.open);
  else kept.act();
}

// The steps after a box go on from the event loop once it is closed.
void Presentation::open(const Box& box) {
  boxOpen_ = true;
  box([this] {
    boxOpen_ = false;
    run();
  });
}

void Presentation::play(Step shown) {
  shown_.push_back(std::move(shown));
  released_ = true;
  if (!playing()) run();
}

void Presentation::resume() {
  if (!playing()) run();
}

void Presentation::afterwards(Step command) {
  if (holding_) putOff_.push_back(std::move(command));
  else command();
}

void Presentation::run() {
  while (!steps_.empty()) {
    Kept next = std::move(steps_.front());
    steps_.pop_front();
    if (next.open) {
      open(next.open);
      return;
    }
    if (!next.act) {
      waitEnds_ = QDeadlineTimer(next.waitMs, Qt::PreciseTimer);
      timer_.start(next.waitMs);
      return;
    }
    inStep_ = true;
    next.act();
    inStep_ = false;
  }
  if (released_) done();
}

// Even a precise timer is checked against the monotonic clock: what is left is waited too.
void Presentation::waited() {
  if (waitEnds_.hasExpired()) run();
  else timer_.start(static_cast<int>((waitEnds_.remainingTimeNSecs() + 999'999) / 1'000'000));
}

// Commands put off during the move run from the event loop, after the session's own pass.
void Presentation::done() {
  released_ = false;
  holding_ = false;
  for (Step& shown : std::exchange(shown_, {})) shown();
  for (Step& command : std::exchange(putOff_, {})) QTimer::singleShot(0, this, std::move(command));
}

}  // namespace dwaalbos
