#include "engine.h"

#include <tuple>
#include <utility>

#include "level/level_file.h"
#include "level/texts.h"
#include "own_levels.h"
#include "play/rules/rules.h"

namespace dwaalbos {
namespace {

// How long a replayed move stays before the next one starts.
constexpr int kReplayPauseMs = 300;

}  // namespace

Engine::Engine(SharedState& shared, KnownWays known)
    : shared_(shared), known_(known), files_(shared.paths), progress_(&files_) {}

void Engine::tekenen(bool verversen) {
  show(shown::Redraw{g_.veld, g_.schakelaar, g_.col, g_.row, verversen});
}

// A start asked for while a game runs ends that game first; the outermost call then starts
// it, so games started from inside games never nest.
void Engine::request(Start start) {
  pending_ = start;
  markEnded();
  settle();
}

Phase Engine::life() const {
  return phase_ == Phase::Presenting || phase_ == Phase::Asking ? resume_ : phase_;
}

// Under a presentation or a question the game's own phase changes behind it.
void Engine::enter(Phase phase) {
  if (phase_ == Phase::Presenting || phase_ == Phase::Asking) resume_ = phase;
  else phase_ = phase;
}

bool Engine::gameRunning() const {
  const Phase now = life();
  return now == Phase::Playing || now == Phase::Paused || now == Phase::Ended ||
         now == Phase::Replaying;
}

// A game stopped during a replay ends where the player stood, not where the replay got to.
void Engine::markEnded() {
  if (life() == Phase::Replaying) endReplay();
  if (gameRunning()) enter(Phase::Ended);
}

void Engine::setPaused(bool on) {
  const Phase now = life();
  if (now == Phase::Playing || now == Phase::Paused) enter(on ? Phase::Paused : Phase::Playing);
}

// Ends a game that was stopped and runs the starts asked for meanwhile, unless a pass or a
// start further out will, or a move waits for its answer.
void Engine::settle() {
  if (driving_ || phase_ == Phase::Asking) return;
  driving_ = true;
  for (;;) {
    if (life() == Phase::Ended) cleanUp();
    if (pending_ == Start::None) break;
    const Start next = pending_;
    pending_ = Start::None;
    if (next == Start::Begi) doBegi();
    else beginnen();
  }
  driving_ = false;
}

std::optional<Doolhof> Engine::read(const LevelRef& level) const {
  if (level.made) return *level.made;
  if (level.number == 0) return readOwnLevel(level);
  if (const Doolhof* standard = shared_.sets.byNumber(level.number)) return *standard;
  return std::nullopt;
}

std::string_view Engine::knownWay() const {
  if (level_.number == 0) return level_.way;
  return known_ ? known_(level_.number) : std::string_view();
}

bool Engine::start(const LevelRef& level) {
  if (phase_ == Phase::Asking || !read(level)) return false;
  level_ = level;
  request(Start::Begi);
  return true;
}

void Engine::verder() { request(Start::Beginnen); }

void Engine::doBegi() {
  auto level = read(level_);
  if (!level) return;  // a level past the last one, or a file gone since it was chosen
  crushed_.reset();
  show(shown::LevelBegun{});
  g_.sleutels = 0;
  show(shown::KeyCount{0});
  toetsenleeg();
  speelgeluid(Sample::LevelStart);
  takeLevel(std::move(*level));
  if (s_.Opnieuw || (s_.naam.empty() && s_.maker.empty())) {
    beginnen();
    return;
  }
  // A new level's count starts while its introduction is up, not when play begins.
  history_.reset();
  showMoves();
  enter(Phase::Introduction);
  show(shown::Introduce{
      {s_.naam.empty() ? "Geennaam" : s_.naam,
       "Gemaakt door " + (s_.maker.empty() ? "anoniem" : s_.maker),
       s_.commentaar.empty() ? "Geen commentaar" : "Commentaar: " + s_.commentaar}});
}

void Engine::takeLevel(Doolhof level) {
  doolhof_ = std::move(level);
  s_.naam = doolhof_.Naam;
  s_.maker = doolhof_.Maker;
  s_.commentaar = doolhof_.Commentaar;
  g_.veld.copyPlayAreaFrom(doolhof_.Vakken);
}

void Engine::beginnen() {
  placeOnStart();
  g_.schakelaar = true;
  showCaptions();
  show(shown::ShowWindow{});
  show(shown::Reveal{g_.veld, g_.schakelaar, g_.col, g_.row, !s_.Opnieuw && options_.overgang});
  const bool restart = s_.Opnieuw;
  s_.Opnieuw = false;
  // Drawn as he last stood, he faces right from here on, with or without the ring.
  g_.richting = Direction::Right;
  face(g_.richting, true);
  if (restartFrom_ && restart) history_.restart(*restartFrom_);
  else history_.reset();
  restartFrom_.reset();
  showMoves();
  startGame();
}

void Engine::showCaptions() {
  show(shown::Captions{s_.naam.empty() ? "Geennaam" : s_.naam,
                       s_.maker.empty() ? "Anoniem" : s_.maker});
}

void Engine::placeOnStart() {
  if (const auto start = startCell(g_.veld)) {
    std::tie(g_.col, g_.row) = *start;
  }
}

GameState Engine::levelStart() const { return dwaalbos::levelStart(doolhof_); }

std::string Engine::levelTitle() const {
  return texts::kTitelBegin + s_.naam + " door " + s_.maker;
}

void Engine::startGame() {
  enter(Phase::Playing);
  show(shown::ShowWindow{});
  show(shown::Title{levelTitle()});
  s_.PauzeTitel = false;
}

void Engine::cleanUp() {
  enter(Phase::Idle);
  if (s_.Opnieuw && pending_ == Start::None) pending_ = Start::Begi;
}

PassResult Engine::pass(KeySet keys) {
  used_ = {};
  if (driving_ ||
      (phase_ != Phase::Playing && phase_ != Phase::Paused && phase_ != Phase::Replaying))
    return {takeShown(), used_};
  driving_ = true;
  if (phase_ == Phase::Replaying) replayPass(keys);
  else playPass(keys);
  driving_ = false;
  settle();
  return {takeShown(), used_};
}

void Engine::presented() {
  if (phase_ == Phase::Presenting) phase_ = resume_;
}

void Engine::pauze(bool on) {
  if (phase_ == Phase::Asking) return;
  setPaused(on);
  if (gameRunning() && !driving_) showPause();
}

void Engine::showPause() {
  const bool paused = life() == Phase::Paused;
  if (paused == s_.PauzeTitel) return;
  show(shown::Title{paused ? texts::kPauzeTitel : levelTitle()});
  show(shown::Paused{paused});
  s_.PauzeTitel = paused;
}

// The first move key found is the move; the others' presses wait for the next pass.
void Engine::playPass(KeySet keys) {
  showPause();
  if (phase_ == Phase::Paused) return;
  for (GameKey key : {GameKey::Left, GameKey::Right, GameKey::Up, GameKey::Down, GameKey::Space})
    if (keys.has(key)) {
      used_.add(key);
      beginMove();
      takeStep(play(g_, key, ruleOptions()));
      break;
    }
  if (phase_ != Phase::Asking) closePass();
}

// The next key is read once the player has seen this move.
void Engine::closePass() {
  recordMove();
  if (!std::exchange(move_, std::nullopt)) return;
  resume_ = life();
  phase_ = Phase::Presenting;
}

void Engine::ask(Asked what, const std::string& title, const std::string& text) {
  asked_ = what;
  outcome_.question = Question{title, text};
  resume_ = life();
  phase_ = Phase::Asking;
}

void Engine::answer(bool yes) {
  if (phase_ != Phase::Asking) return;
  driving_ = true;
  settleAnswer(asked_, yes);
  if (phase_ != Phase::Asking) closePass();
  driving_ = false;
  settle();
}

// The move goes on from where the question stopped it.
void Engine::settleAnswer(Asked asked, bool yes) {
  outcome_.question.reset();
  asked_ = Asked::None;
  phase_ = resume_;
  switch (asked) {
    case Asked::Crush:
      settleCrush(yes);
      walkAfterCrush();
      if (phase_ != Phase::Asking) endMove();
      break;
    case Asked::Next:
      if (yes) start(level_);
      else endAndClear();
      endMove();
      break;
    case Asked::SetEnd:
      setEndAnswered(yes);
      endMove();
      break;
    case Asked::Leave: settleLeave(yes); break;
    case Asked::None: break;
  }
}

void Engine::beginMove() {
  outcome_ = {};
  move_ = Move{gameState()};
}

// A move that changed the game can be taken back; turning on the spot is no move.
void Engine::recordMove() {
  if (!move_ || !move_->start) return;
  GameState before = *std::exchange(move_->start, std::nullopt);
  if (life() == Phase::Ended) return;
  GameState now = gameState();
  now.richting = before.richting;
  if (now == before) return;
  history_.record(before);
  showMoves();
}

// Taking back acts on the player's own game: a replay under way ends first.
bool Engine::mayTakeBack() {
  if (!gameRunning() || phase_ == Phase::Asking) return false;
  if (life() == Phase::Replaying) endReplay();
  return true;
}

bool Engine::zetTerug() {
  if (crushed_ && phase_ != Phase::Asking) {
    undoCrush();
    return true;
  }
  if (!mayTakeBack()) return false;
  restoreMove(history_.undo(gameState()));
  return true;
}

bool Engine::zetOpnieuw() {
  if (!mayTakeBack()) return false;
  restoreMove(history_.redo(gameState()));
  return true;
}

bool Engine::rewind(std::size_t steps) {
  if (steps >= history_.depth() || !mayTakeBack()) return false;
  restoreMove(history_.rewind(steps, gameState()));
  return true;
}

void Engine::restoreMove(const std::optional<GameState>& state) {
  if (!state) return;
  setGameState(*state);
  if (move_) move_->start.reset();
  tekenen(true);
  showMoves();
}

void Engine::showMoves() {
  show(shown::Moves{history_.moves(), history_.canUndo() || crushed_, history_.canRedo()});
}

void Engine::setGameState(const GameState& state) {
  g_ = state;
  if (state.richting != Direction::None) face(state.richting);
  show(shown::KeyCount{g_.sleutels});
}

RuleOptions Engine::ruleOptions() const {
  return {options_.volglijnen, options_.Lijnvertraging, options_.Loopvertraging, false};
}

// The rules' step becomes the game; a crush waits for its answer, a completed level ends.
void Engine::takeStep(Step step) {
  g_ = std::move(step.next);
  if (step.lineDelaySet) options_.Lijnvertraging = 20;
  for (Shown& item : step.shown) show(std::move(item));
  outcome_.died = step.died;
  outcome_.endless = step.endless;
  if (step.crush) {
    crush_ = std::move(*step.crush);
    ask(Asked::Crush, texts::kZelfmoordTitle, texts::kZelfmoord);
    return;
  }
  if (!step.completed) return;
  levelEnd();
  if (!outcome_.question) endMove();
}

// A refused step ends the game with the crush; a crushing move that went on over arrows
// restarts at once or is left.
void Engine::walkAfterCrush() {
  if (crush_.refused) {
    markEnded();
    return;
  }
  if (s_.DirectOpnieuw) {
    s_.DirectOpnieuw = false;
    request(Start::Beginnen);
    return;
  }
  leave();
}

void Engine::endMove() {
  if (life() != Phase::Ended) tekenen(true);
  toetsenleeg();
}

void Engine::toetsenleeg() { show(shown::FlushKeys{}); }

// A restart of a running game can be taken back like a move.
void Engine::overnieuw() {
  if (phase_ == Phase::Asking) return;
  std::optional<GameState> before;
  if (gameRunning()) before = g_;
  if (level_.number == 0) {
    auto level = read(level_);
    if (!level) return;  // the file is gone: nothing to start again
    takeLevel(std::move(*level));
  }
  restartFrom_ = std::move(before);
  s_.DirectOpnieuw = true;
  s_.Opnieuw = true;
  markEnded();
  // A running game restarts the level as it ends; with none running, start it now.
  if (!gameRunning()) request(Start::Begi);
  else settle();
}

void Engine::leeg() {
  g_.veld.clearPlayArea();
  history_.reset();
  if (move_) move_->start.reset();
  showMoves();
  show(shown::Cleared{});
  show(shown::Captions{});
  s_.commentaar.clear();
}

void Engine::naareditor(bool completed) {
  markEnded();
  show(shown::ToEditor{completed});
  settle();
}

void Engine::leave() {
  if (phase_ == Phase::Asking) return;
  show(shown::Leaving{});
  setPaused(true);
  if (level_.test) naareditor();
  else ask(Asked::Leave, texts::kBevestigingTitle, texts::kZekerWeten);
}

// Asked in a move (the crush answered No), the move ends after the answer; a No plays on.
void Engine::settleLeave(bool yes) {
  if (yes) {
    crushed_.reset();
    leeg();
    end();
    show(shown::ToMenu{});
  } else {
    showPause();
  }
  if (inMove()) endMove();
}

void Engine::end() {
  restartFrom_.reset();
  markEnded();
  pending_ = Start::None;
  settle();
}

bool Engine::replay(std::vector<GameKey> keys) {
  if (driving_ || (phase_ != Phase::Playing && phase_ != Phase::Paused)) return false;
  replay_ = Replay{g_, std::move(keys)};
  phase_ = Phase::Replaying;
  toetsenleeg();
  show(shown::Title{texts::kOplossingTitel});
  s_.PauzeTitel = false;
  return true;
}

// Each move is shown as the rules show it, at the walking pace, and then stays a moment so
// that the player can follow; the counter counts it on from the game's count. No key is
// forgotten: a key pressed while it walks stops the replay at the next pass. The level's end
// is only seen, never run.
void Engine::replayPass(KeySet keys) {
  used_ = keys;
  if (!keys.empty() || replay_->next == replay_->keys.size()) {
    endReplay();
    return;
  }
  beginMove();
  move_->start.reset();  // nothing to take back
  Step step = play(g_, replay_->keys[replay_->next++], ruleOptions());
  const int counted = history_.moves() + static_cast<int>(replay_->next);
  g_ = std::move(step.next);
  if (step.lineDelaySet) options_.Lijnvertraging = 20;
  for (Shown& item : step.shown)
    if (!std::holds_alternative<shown::FlushKeys>(item)) show(std::move(item));
  if (step.completed) show(shown::Celebrate{g_.col, g_.row});
  if (step.completed || step.crush) replay_->next = replay_->keys.size();
  tekenen(true);
  show(shown::Moves{counted, history_.canUndo(), history_.canRedo()});
  show(shown::Wait{kReplayPauseMs});
  closePass();
}

// The key that stopped the replay does not move the player.
void Engine::endReplay() {
  const GameState from = std::move(replay_->from);
  replay_.reset();
  enter(Phase::Playing);
  setGameState(from);
  tekenen(true);
  showMoves();
  toetsenleeg();
  show(shown::Title{levelTitle()});
}

}  // namespace dwaalbos
