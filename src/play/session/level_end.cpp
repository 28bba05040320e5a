// How a game ends: the level completed, or the player crushed by his own block.
#include "engine.h"
#include "level/content_key.h"
#include "level/texts.h"
#include "own_levels.h"
#include "play/rules/move_letters.h"

namespace dwaalbos {
namespace {

// The letters of the moves that led from the level's start to `end`; empty when the history
// no longer holds them all or the attempt did not begin on the start.
std::string wayFromStart(const History& history, const GameState& start, const GameState& end) {
  auto states = history.way();
  if (!states) return {};
  GameState first = states->front();
  first.richting = start.richting;
  if (first != start) return {};
  states->push_back(end);
  return lettersThrough(*states).value_or("");
}

// The reasons of the writes that failed, in one text.
std::optional<std::string> joined(std::optional<std::string> a, std::optional<std::string> b) {
  if (a && b) return *a + "\r\n\r\n" + *b;
  return a ? a : b;
}

}  // namespace

void Engine::levelEnd() {
  recordMove();
  outcome_.completed = true;
  const int moves = history_.moves();
  const std::string way = wayFromStart(history_, levelStart(), g_);
  // A test play's level is still being made: its results are not the player's to keep.
  const bool own = level_.number == 0;
  const std::uint64_t key = own && !level_.test ? contentKey(doolhof_) : 0;
  const int before = own ? (key ? progress_->bestOf(key) : 0) : progress_->best(level_.number);
  const auto failure = own ? (key ? progress_->recordResult(key, moves, way) : std::nullopt)
                           : joined(progress_->recordBest(level_.number, moves),
                                    progress_->recordSolution(level_.number, way));
  const shown::Result result{level_.number, moves, before != 0 && moves < before, key};
  // The board is cleared for the boxes; how it went stays on it behind them.
  const auto endedWithResult = [&] {
    endAndClear();
    show(result);
  };
  speelgeluid(Sample::Completed);
  show(shown::Celebrate{g_.col, g_.row});
  // The level end is heard and seen first; a refused write is told after it.
  if (failure) show(shown::Tell{texts::kNotSavedTitle, *failure, Icon::Critical});
  if (own) {
    endedWithResult();
    const auto next = nextInCollection(level_);
    if (level_.test) naareditor(true);
    else if (!next) show(shown::Tell{texts::kKlaarTitle, texts::kGehaald, Icon::Exclamation});
    else {
      level_ = *next;
      offerNext(before == 0 ? texts::kEersteKeer : texts::kNogEens);
    }
    return;
  }
  const bool second = isSecondSet(level_.number);
  const Vordering stored = furthest(progress_->stored(), shared_.bereikt);
  const int p = second ? clampSecondSet(stored.P2) : clampFirstSet(stored.P1);
  const int n = numberWithinSet(level_.number);
  if (p != n) {
    ++level_.number;
    endedWithResult();
    offerNext(texts::kNogEens);
    return;
  }
  if (level_.number == kSet1Levels || level_.number == kLastLevelNumber) {
    endedWithResult();
    const bool firstSet = level_.number == kSet1Levels;
    const std::string question =
        firstSet ? std::string(texts::kSet1Uit) + texts::kSecretPage + "?" : texts::kSet2Uit;
    ask(Asked::SetEnd, texts::kProgramTitle, question);
    return;
  }
  const auto next = static_cast<std::int16_t>(n + 1);
  saveProgress(second, next);
  ++level_.number;
  endedWithResult();
  offerNext(texts::kEersteKeer);
}

// The next level opens even when the file refuses the new value.
void Engine::saveProgress(bool secondSet, std::int16_t next) {
  const auto told = progress_->open(secondSet, next);
  shared_.bereikt = furthest(shared_.bereikt, secondSet ? Vordering{1, next} : Vordering{next, 1});
  if (told) show(*told);
}

void Engine::offerNext(const std::string& text) { ask(Asked::Next, texts::kVolgendeTitle, text); }

// The level number is still the set's last: it tells which set was played out.
void Engine::setEndAnswered(bool yes) {
  if (!yes) {
    endAndClear();
    return;
  }
  show(shown::OpenDocument{level_.number == kSet1Levels
                               ? shared_.paths.folder() + "/" + texts::kSecretPage
                               : texts::kProofMail});
}

void Engine::endAndClear() {
  restartFrom_.reset();
  markEnded();
  s_.Opnieuw = false;
  leeg();
}

// Yes restarts the level from the move's end; No empties the board the push was crushing
// on, and the blocks it set down after the crush stay on the empty board. Either way the game
// before the crushing move can be taken back.
void Engine::settleCrush(bool yes) {
  const GameState before = move_ && move_->start ? *move_->start : g_;
  if (yes) {
    restartFrom_ = before;
    s_.Opnieuw = true;
    s_.DirectOpnieuw = true;
  } else {
    crushed_ = Crushed{before, std::move(history_)};
    leeg();
    for (const auto& [x, y] : crush_.setAfter) g_.veld.set(x, y, cell::kPushBlock);
  }
}

// The cleared board shows the level again, as it was before the crushing move, count and all;
// a game ended by the crush plays on.
void Engine::undoCrush() {
  if (life() == Phase::Replaying) endReplay();
  Crushed crushed = std::move(*crushed_);
  crushed_.reset();
  history_ = std::move(crushed.history);
  s_.commentaar = doolhof_.Commentaar;
  showCaptions();
  setGameState(crushed.before);
  show(shown::Reveal{g_.veld, g_.schakelaar, g_.col, g_.row, false});
  showMoves();
  if (!gameRunning()) startGame();
}

}  // namespace dwaalbos
