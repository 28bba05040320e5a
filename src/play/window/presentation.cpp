#include "presentation.h"

#include <QEventLoop>

namespace dwaalbos {

Presentation::Presentation() {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &Presentation::run);
}

// What a kept step does itself happens at once, in its place.
void Presentation::add(Step step) {
  if (holding_ && !inStep_) steps_.push_back({std::move(step), 0});
  else step();
}

void Presentation::wait(int milliseconds) {
  if (holding_ && milliseconds > 0) steps_.push_back({nullptr, milliseconds});
}

void Presentation::play(Step shown) {
  shown_.push_back(std::move(shown));
  released_ = true;
  if (!playing()) run();
}

void Presentation::finish() {
  if (!playing()) run();
  if (!playing()) return;
  QEventLoop loop;
  finishing_ = &loop;
  loop.exec();
  finishing_ = nullptr;
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
    if (!next.act) {
      timer_.start(next.waitMs);
      return;
    }
    inStep_ = true;
    next.act();
    inStep_ = false;
  }
  if (finishing_) finishing_->quit();
  if (released_) done();
}

// Commands put off during the move run from the event loop, after the engine's own pass.
void Presentation::done() {
  released_ = false;
  holding_ = false;
  for (Step& shown : std::exchange(shown_, {})) shown();
  for (Step& command : std::exchange(putOff_, {})) QTimer::singleShot(0, this, std::move(command));
}

}  // namespace dwaalbos
