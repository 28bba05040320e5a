#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace dwaalbos {

// The editor's undo and redo: the whole edited level after every change, without a limit. A
// change of the same non-zero group as the change just before joins its step, so that one
// drag, or typing on in one text box, is undone at once.
template <typename State>
class EditHistory {
 public:
  void reset(State now) {
    steps_ = {std::move(now)};
    at_ = 0;
    group_ = 0;
  }

  void record(State now, int group) {
    if (now == steps_[at_]) return;
    steps_.resize(at_ + 1);
    if (group != 0 && group == group_ && at_ > 0) {
      steps_[at_] = std::move(now);
    } else {
      steps_.push_back(std::move(now));
      ++at_;
    }
    group_ = group;
  }

  // The state to go back or forward to; null when there is none.
  const State* undo() { return at_ == 0 ? nullptr : moveTo(at_ - 1); }
  const State* redo() { return at_ + 1 >= steps_.size() ? nullptr : moveTo(at_ + 1); }

 private:
  const State* moveTo(std::size_t step) {
    at_ = step;
    group_ = 0;
    return &steps_[at_];
  }

  std::vector<State> steps_{State{}};
  std::size_t at_ = 0;
  int group_ = 0;
};

}  // namespace dwaalbos
