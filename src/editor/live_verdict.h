#pragma once

#include <QObject>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

#include "editor/verdict.h"
#include "level/board.h"

namespace dwaalbos {

// The solver's verdict on the edited board, kept up to date on a thread of its own so that the
// editor never waits for it. Every change of the board stops the search for the board before:
// a verdict is shown only for the board as it stands.
class LiveVerdict : public QObject {
  Q_OBJECT

 public:
  using Judge = std::function<Verdict(const Board&, std::stop_token)>;

  explicit LiveVerdict(Judge judge = judgeLevel, QObject* parent = nullptr);
  ~LiveVerdict() override;

  // The board as it stands now; the same board again changes nothing.
  void levelChanged(const Board& veld);
  // Busy while the search for the board runs.
  const Verdict& verdict() const { return verdict_; }
  // The board the verdict is about.
  const Board& board() const { return board_; }

 signals:
  void changed();

 private:
  struct Job {
    Board board;
    std::uint64_t generation = 0;
    std::stop_token stop;
  };

  void run(std::stop_token quit);
  void deliver(std::uint64_t generation, const Verdict& verdict);

  const Judge judge_;
  Board board_;
  Verdict verdict_;
  std::uint64_t generation_ = 0;  // of the board as it stands

  std::mutex mutex_;  // guards the two below, shared with the worker
  std::condition_variable_any wake_;
  std::optional<Job> pending_;
  std::stop_source searching_;  // of the newest job
  std::jthread worker_;
};

}  // namespace dwaalbos
