#include "attempts.h"

#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace dwaalbos {
namespace {

Generation madeOf(AttemptResult& result) {
  return {GenerateOutcome::Made, std::move(result.level)};
}

Generation oneAtATime(const Attempt& attempt, std::size_t budget, std::stop_token stop) {
  std::size_t spent = 0;
  for (int number = 0; spent < budget; ++number) {
    AttemptResult result = attempt(number, stop);
    if (result.level) return madeOf(result);
    if (stop.stop_requested()) return {GenerateOutcome::Stopped, std::nullopt};
    spent += result.spent;
  }
  return {GenerateOutcome::BudgetSpent, std::nullopt};
}

// Attempts on several threads, taken in their order.
class Speculation {
 public:
  Speculation(const Attempt& attempt, std::stop_token stop)
      : attempt_(attempt), stop_(std::move(stop)) {}

  Generation run(std::size_t budget, int threads) {
    Generation answer{GenerateOutcome::BudgetSpent, std::nullopt};
    {
      const std::stop_callback onStop(stop_, [this] { end(); });
      std::vector<std::jthread> workers;
      for (int i = 0; i < threads; ++i) workers.emplace_back([this] { work(); });
      std::size_t spent = 0;
      for (int number = 0; spent < budget; ++number) {
        std::optional<AttemptResult> result = verdictOf(number);
        if (!result) break;  // stopped
        if (result->level) {
          answer = madeOf(*result);
          break;
        }
        spent += result->spent;
      }
      end();
    }
    if (!answer.made && stop_.stop_requested()) answer.outcome = GenerateOutcome::Stopped;
    return answer;
  }

 private:
  struct Slot {
    std::stop_source stop;
    std::optional<AttemptResult> result;
  };

  void work() {
    std::unique_lock lock(mutex_);
    while (!over_) {
      const int number = next_++;
      Slot& slot = slots_[number];
      const std::stop_token stop = slot.stop.get_token();
      lock.unlock();
      AttemptResult result = attempt_(number, stop);
      lock.lock();
      slot.result = std::move(result);
      changed_.notify_all();
    }
  }

  // The answer of attempt `number` once it is in; nothing when the work is over.
  std::optional<AttemptResult> verdictOf(int number) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] {
      const auto slot = slots_.find(number);
      return over_ || (slot != slots_.end() && slot->second.result);
    });
    if (over_) return std::nullopt;
    std::optional<AttemptResult> result = std::move(slots_[number].result);
    slots_.erase(number);
    return result;
  }

  // Stops every attempt under way and starts no more.
  void end() {
    const std::lock_guard lock(mutex_);
    over_ = true;
    for (auto& [number, slot] : slots_) slot.stop.request_stop();
    changed_.notify_all();
  }

  const Attempt& attempt_;
  std::stop_token stop_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::map<int, Slot> slots_;  // the attempts under way and those not yet judged in order
  int next_ = 0;
  bool over_ = false;
};

}  // namespace

Generation firstMade(const Attempt& attempt, std::size_t budget, int threads,
                     std::stop_token stop) {
  if (threads <= 1) return oneAtATime(attempt, budget, std::move(stop));
  return Speculation(attempt, std::move(stop)).run(budget, threads);
}

}  // namespace dwaalbos
