#include "game.h"

#include <utility>

#include "level/texts.h"

namespace dwaalbos {

Game::Game(SharedState& shared, KnownWays known)
    : shared_(shared), known_(known), files_(shared.paths), progress_(&files_) {}

// A start asked for while a game runs ends that game first; the outermost call then starts
// it, so games started from inside games never nest.
void Game::request(Start start) {
  pending_ = start;
  play_.markEnded();
  settle();
}

// Ends a game that was stopped and runs the starts asked for meanwhile, unless a pass or a
// start further out will, or a move waits for its answer.
void Game::settle() {
  if (driving_ || play_.phase() == Phase::Asking) return;
  driving_ = true;
  for (;;) {
    if (play_.life() == Phase::Ended && play_.cleanUp() && pending_ == Start::None)
      pending_ = Start::Begi;
    if (pending_ == Start::None) break;
    const Start next = std::exchange(pending_, Start::None);
    if (next == Start::Begi) play_.begi(*level_.content, level_.number != 0);
    else play_.beginnen();
  }
  driving_ = false;
}

std::string_view Game::knownWay() const {
  if (level_.number == 0) return level_.way;
  return known_ ? known_(level_.number) : std::string_view();
}

bool Game::start(const LevelRef& level) {
  if (play_.phase() == Phase::Asking || !level.content) return false;
  level_ = level;
  request(Start::Begi);
  return true;
}

void Game::verder() { request(Start::Beginnen); }

PassResult Game::pass(KeySet keys) {
  used_ = {};
  const Phase now = play_.phase();
  if (driving_ || (now != Phase::Playing && now != Phase::Paused && now != Phase::Replaying))
    return {takeShown(), used_};
  driving_ = true;
  if (now == Phase::Replaying) {
    used_ = keys;
    play_.replayPass(keys);
  } else {
    playPass(keys);
  }
  driving_ = false;
  settle();
  return {takeShown(), used_};
}

void Game::pauze(bool on) {
  if (play_.phase() == Phase::Asking) return;
  play_.setPaused(on);
  if (play_.gameRunning() && !driving_) play_.showPause();
}

// The first move key found is the move; the others' presses wait for the next pass.
void Game::playPass(KeySet keys) {
  play_.showPause();
  if (play_.phase() == Phase::Paused) return;
  for (GameKey key : {GameKey::Left, GameKey::Right, GameKey::Up, GameKey::Down, GameKey::Space})
    if (keys.has(key)) {
      used_.add(key);
      takeStep(play_.move(key));
      break;
    }
  if (play_.phase() != Phase::Asking) play_.closePass();
}

// A crush waits for its answer, a completed level ends.
void Game::takeStep(const Step& step) {
  if (step.crush) {
    ask(Asked::Crush, texts::tr(texts::kZelfmoordTitle), texts::tr(texts::kZelfmoord));
    return;
  }
  if (!step.completed) return;
  levelEnd();
  if (!play_.lastMove().question) play_.endMove();
}

void Game::ask(Asked what, const std::string& title, const std::string& text) {
  asked_ = what;
  play_.ask(Question{title, text});
}

void Game::answer(bool yes) {
  if (play_.phase() != Phase::Asking) return;
  driving_ = true;
  settleAnswer(asked_, yes);
  if (play_.phase() != Phase::Asking) play_.closePass();
  driving_ = false;
  settle();
}

// The move goes on from where the question stopped it.
void Game::settleAnswer(Asked asked, bool yes) {
  play_.answered();
  asked_ = Asked::None;
  switch (asked) {
    case Asked::Crush:
      play_.settleCrush(yes);
      walkAfterCrush();
      if (play_.phase() != Phase::Asking) play_.endMove();
      break;
    case Asked::Next:
      settleNext(yes);
      play_.endMove();
      break;
    case Asked::SetEnd:
      setEndAnswered(yes);
      play_.endMove();
      break;
    case Asked::Leave: settleLeave(yes); break;
    case Asked::None: break;
  }
}

// A refused step ends the game with the crush; a crushing move that went on over arrows
// restarts at once or is left.
void Game::walkAfterCrush() {
  if (play_.crushRefused()) {
    play_.markEnded();
    return;
  }
  if (play_.takeDirectOpnieuw()) {
    request(Start::Beginnen);
    return;
  }
  leave();
}

// A restart of a running game can be taken back like a move; the level begins again as it
// was handed in.
void Game::overnieuw() {
  if (play_.phase() == Phase::Asking || !level_.content) return;
  play_.prepareRestart();
  // A running game restarts the level as it ends; with none running, start it now.
  if (!play_.gameRunning()) request(Start::Begi);
  else settle();
}

void Game::naareditor(bool completed) {
  play_.markEnded();
  play_.show(shown::ToEditor{completed});
  settle();
}

void Game::leave() {
  if (play_.phase() == Phase::Asking) return;
  play_.show(shown::Leaving{});
  play_.setPaused(true);
  if (level_.test) naareditor();
  else ask(Asked::Leave, texts::tr(texts::kBevestigingTitle), texts::tr(texts::kZekerWeten));
}

// Asked in a move (the crush answered No), the move ends after the answer; a No plays on.
void Game::settleLeave(bool yes) {
  if (yes) {
    play_.abandon();
    end();
    play_.show(shown::ToMenu{});
  } else {
    play_.showPause();
  }
  if (play_.inMove()) play_.endMove();
}

void Game::end() {
  play_.stop();
  pending_ = Start::None;
  settle();
}

bool Game::replay(std::vector<GameKey> keys) { return !driving_ && play_.replay(std::move(keys)); }

}  // namespace dwaalbos
