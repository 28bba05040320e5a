// How a level ends: what is kept of it and what is offered next.
#include "game.h"
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

void Game::levelEnd() {
  play_.recordMove();
  play_.markCompleted();
  const History& history = play_.history();
  const GameState& g = play_.gameState();
  const int moves = history.moves();
  const std::string way = wayFromStart(history, play_.levelStart(), g);
  // A test play's level is still being made: its results are not the player's to keep.
  const bool own = level_.number == 0;
  const std::uint64_t key = own && !level_.test ? contentKey(play_.doolhof()) : 0;
  const int before = own ? (key ? progress_->bestOf(key) : 0) : progress_->best(level_.number);
  const auto failure = own ? (key ? progress_->recordResult(key, moves, way) : std::nullopt)
                           : joined(progress_->recordBest(level_.number, moves),
                                    progress_->recordSolution(level_.number, way));
  const shown::Result result{level_.number, moves, before != 0 && moves < before, key};
  // The board is cleared for the boxes; how it went stays on it behind them.
  const auto endedWithResult = [&] {
    play_.endAndClear();
    play_.show(result);
  };
  play_.show(shown::Sound{Sample::Completed});
  play_.show(shown::Celebrate{g.col, g.row});
  // The level end is heard and seen first; a refused write is told after it.
  if (failure) play_.show(shown::Tell{texts::tr(texts::kNotSavedTitle), *failure, Icon::Critical});
  const char* offer = before == 0 ? texts::kEersteKeer : texts::kNogEens;
  if (own) {
    endedWithResult();
    if (level_.test) {
      naareditor(true);
    } else if (level_.generated) {
      offerNext(offer);
    } else if (auto next = nextInCollection(level_)) {
      level_ = std::move(*next);
      offerNext(offer);
    } else {
      play_.show(shown::Tell{texts::tr(texts::kKlaarTitle), texts::tr(texts::kGehaald),
                             Icon::Exclamation});
    }
    return;
  }
  const bool second = isSecondSet(level_.number);
  const Vordering stored = furthest(progress_->stored(), shared_.bereikt);
  const int p = second ? clampSecondSet(stored.P2) : clampFirstSet(stored.P1);
  const int n = numberWithinSet(level_.number);
  if (p != n) {
    level_ = standardLevel(level_.number + 1, shared_.sets);
    endedWithResult();
    offerNext(texts::kNogEens);
    return;
  }
  if (level_.number == kSet1Levels || level_.number == kLastLevelNumber) {
    endedWithResult();
    const bool firstSet = level_.number == kSet1Levels;
    const std::string question = firstSet ? texts::tr(texts::kSet1Uit) + texts::kSecretPage + "?"
                                          : texts::tr(texts::kSet2Uit);
    ask(Asked::SetEnd, texts::tr(texts::kProgramTitle), question);
    return;
  }
  const auto next = static_cast<std::int16_t>(n + 1);
  saveProgress(second, next);
  level_ = standardLevel(level_.number + 1, shared_.sets);
  endedWithResult();
  offerNext(texts::kEersteKeer);
}

// The next level opens even when the file refuses the new value.
void Game::saveProgress(bool secondSet, std::int16_t next) {
  const auto told = progress_->open(secondSet, next);
  shared_.bereikt = furthest(shared_.bereikt, secondSet ? Vordering{1, next} : Vordering{next, 1});
  if (told) play_.show(*told);
}

void Game::offerNext(const char* text) {
  ask(Asked::Next, texts::tr(texts::kVolgendeTitle), texts::tr(text));
}

// A generated level's next is made by the front end, off the session's thread.
void Game::settleNext(bool yes) {
  if (!yes) play_.endAndClear();
  else if (level_.generated)
    play_.show(shown::NextMaze{level_.generated->difficulty, level_.generated->seed + 1});
  else start(level_);
}

// The level number is still the set's last: it tells which set was played out.
void Game::setEndAnswered(bool yes) {
  if (!yes) {
    play_.endAndClear();
    return;
  }
  play_.show(shown::OpenDocument{level_.number == kSet1Levels
                                     ? shared_.paths.folder() + "/" + texts::kSecretPage
                                     : texts::tr(texts::kProofMail)});
}

}  // namespace dwaalbos
