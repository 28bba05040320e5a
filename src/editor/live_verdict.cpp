#include "live_verdict.h"

#include <utility>

namespace dwaalbos {

LiveVerdict::LiveVerdict(Judge judge, QObject* parent)
    : QObject(parent), judge_(std::move(judge)), verdict_(*verdictAtSight(board_)),
      worker_([this](std::stop_token quit) { run(std::move(quit)); }) {}

LiveVerdict::~LiveVerdict() {
  {
    const std::lock_guard lock(mutex_);
    searching_.request_stop();
  }
  worker_.request_stop();
  worker_.join();
}

// A board plainly without a start or an end is answered at once; any other is searched, and the
// search for the board before is stopped whether or not it had an answer yet.
void LiveVerdict::levelChanged(const Board& veld) {
  if (veld == board_) return;
  board_ = veld;
  ++generation_;
  const std::optional<Verdict> atSight = verdictAtSight(veld);
  {
    const std::lock_guard lock(mutex_);
    searching_.request_stop();
    searching_ = std::stop_source();
    pending_.reset();
    if (!atSight) pending_ = Job{veld, generation_, searching_.get_token()};
  }
  if (!atSight) wake_.notify_one();
  verdict_ = atSight.value_or(Verdict{});
  emit changed();
}

void LiveVerdict::run(std::stop_token quit) {
  for (;;) {
    Job job;
    {
      std::unique_lock lock(mutex_);
      if (!wake_.wait(lock, quit, [this] { return pending_.has_value(); })) return;
      job = std::move(*pending_);
      pending_.reset();
    }
    Verdict verdict = judge_(job.board, job.stop);
    if (job.stop.stop_requested()) continue;
    QMetaObject::invokeMethod(
        this,
        [this, generation = job.generation, verdict = std::move(verdict)] {
          deliver(generation, verdict);
        },
        Qt::QueuedConnection);
  }
}

// An answer that crossed a change of the board on its way is dropped.
void LiveVerdict::deliver(std::uint64_t generation, const Verdict& verdict) {
  if (generation != generation_) return;
  verdict_ = verdict;
  emit changed();
}

}  // namespace dwaalbos
