#pragma once

#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>
#include <utility>

namespace dwaalbos {

// One piece of long work at a time on a thread of its own, so that the window that asked
// keeps answering; the window only starts it, stops it and collects the answer.
template <class Answer>
class BackgroundJob {
 public:
  using Work = std::function<Answer(std::stop_token)>;

  // Stops the work under way (waiting for it to end), then starts `work`; `done` runs on the
  // work's thread once its answer can be taken, unless it was stopped.
  void start(Work work, std::function<void()> done) {
    stop();
    {
      const std::lock_guard lock(mutex_);
      busy_ = true;
    }
    worker_ =
        std::jthread([this, work = std::move(work), done = std::move(done)](std::stop_token stop) {
          Answer answer = work(stop);
          {
            const std::lock_guard lock(mutex_);
            busy_ = false;
            if (stop.stop_requested()) return;
            answer_ = std::move(answer);
          }
          done();
        });
  }

  // An answer that came just before the stop is dropped too.
  void stop() {
    if (worker_.joinable()) {
      worker_.request_stop();
      worker_.join();
    }
    const std::lock_guard lock(mutex_);
    busy_ = false;
    answer_.reset();
  }

  bool busy() const {
    const std::lock_guard lock(mutex_);
    return busy_;
  }

  // The answer of the work that ran `done`, once.
  std::optional<Answer> take() {
    const std::lock_guard lock(mutex_);
    return std::exchange(answer_, std::nullopt);
  }

 private:
  mutable std::mutex mutex_;  // guards the two below, shared with the work
  std::optional<Answer> answer_;
  bool busy_ = false;
  std::jthread worker_;  // last: stopped and joined before the rest goes
};

}  // namespace dwaalbos
