#include "level_play.h"

#include <tuple>

#include "level/level_sets.h"
#include "level/texts.h"

namespace dwaalbos {
namespace {

// How long a replayed move stays before the next one starts.
constexpr int kReplayPauseMs = 300;

}  // namespace

void LevelPlay::tekenen(bool verversen) {
  show(shown::Redraw{g_.veld, g_.schakelaar, g_.col, g_.row, verversen});
}

Phase LevelPlay::life() const {
  return phase_ == Phase::Presenting || phase_ == Phase::Asking ? resume_ : phase_;
}

// Under a presentation or a question the game's own phase changes behind it.
void LevelPlay::enter(Phase phase) {
  if (phase_ == Phase::Presenting || phase_ == Phase::Asking) resume_ = phase;
  else phase_ = phase;
}

bool LevelPlay::gameRunning() const {
  const Phase now = life();
  return now == Phase::Playing || now == Phase::Paused || now == Phase::Ended ||
         now == Phase::Replaying;
}

// A game stopped during a replay ends where the player stood, not where the replay got to.
void LevelPlay::markEnded() {
  if (life() == Phase::Replaying) endReplay();
  if (gameRunning()) enter(Phase::Ended);
}

void LevelPlay::stop() {
  restartFrom_.reset();
  markEnded();
}

void LevelPlay::setPaused(bool on) {
  const Phase now = life();
  if (now == Phase::Playing || now == Phase::Paused) enter(on ? Phase::Paused : Phase::Playing);
}

void LevelPlay::begi(const Doolhof& level, bool standard) {
  crushed_.reset();
  show(shown::LevelBegun{});
  g_.sleutels = 0;
  show(shown::KeyCount{0});
  toetsenleeg();
  show(shown::Sound{Sample::LevelStart});
  takeLevel(level, standard);
  if (s_.Opnieuw || (s_.naam.empty() && s_.maker.empty())) {
    beginnen();
    return;
  }
  // A new level's count starts while its introduction is up, not when play begins.
  history_.reset();
  showMoves();
  enter(Phase::Introduction);
  show(shown::Introduce{{s_.naam.empty() ? texts::tr(texts::kGeennaam) : s_.naam,
                         texts::tr(texts::kGemaaktDoor) +
                             (s_.maker.empty() ? texts::tr(texts::kDoorAnoniem) : s_.maker),
                         s_.commentaar.empty() ? texts::tr(texts::kGeenCommentaar)
                                               : texts::tr(texts::kCommentaar) + s_.commentaar}});
}

void LevelPlay::takeLevel(const Doolhof& level, bool standard) {
  doolhof_ = level;
  standard_ = standard;
  takeTexts();
  g_.veld.copyPlayAreaFrom(doolhof_.Vakken);
}

// A standard level's name and comment are the game's own texts, in the language it speaks; a
// level file's are shown as written.
void LevelPlay::takeTexts() {
  s_.naam = standard_ ? standaardTekst(doolhof_.Naam) : doolhof_.Naam;
  s_.maker = doolhof_.Maker;
  s_.commentaar = standard_ ? standaardTekst(doolhof_.Commentaar) : doolhof_.Commentaar;
}

// A board cleared by a crush keeps its comment cleared; a replay keeps its own title.
void LevelPlay::retell() {
  const Phase now = life();
  if (now != Phase::Playing && now != Phase::Paused && now != Phase::Replaying) return;
  const bool cleared = s_.commentaar.empty();
  takeTexts();
  if (cleared) s_.commentaar.clear();
  showCaptions();
  if (now != Phase::Replaying)
    show(shown::Title{s_.PauzeTitel ? texts::tr(texts::kPauzeTitel) : levelTitle()});
}

void LevelPlay::beginnen() {
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

void LevelPlay::showCaptions() {
  show(shown::Captions{s_.naam.empty() ? texts::tr(texts::kGeennaam) : s_.naam,
                       s_.maker.empty() ? texts::tr(texts::kAnoniem) : s_.maker});
}

void LevelPlay::placeOnStart() {
  if (const auto start = startCell(g_.veld)) {
    std::tie(g_.col, g_.row) = *start;
  }
}

GameState LevelPlay::levelStart() const { return dwaalbos::levelStart(doolhof_); }

std::string LevelPlay::levelTitle() const {
  return texts::tr(texts::kTitelBegin) + s_.naam + texts::tr(texts::kDoor) + s_.maker;
}

void LevelPlay::startGame() {
  enter(Phase::Playing);
  show(shown::ShowWindow{});
  show(shown::Title{levelTitle()});
  s_.PauzeTitel = false;
}

bool LevelPlay::cleanUp() {
  enter(Phase::Idle);
  return s_.Opnieuw;
}

void LevelPlay::presented() {
  if (phase_ == Phase::Presenting) phase_ = resume_;
}

void LevelPlay::showPause() {
  const bool paused = life() == Phase::Paused;
  if (paused == s_.PauzeTitel) return;
  show(shown::Title{paused ? texts::tr(texts::kPauzeTitel) : levelTitle()});
  show(shown::Paused{paused});
  s_.PauzeTitel = paused;
}

void LevelPlay::closePass() {
  recordMove();
  if (!std::exchange(move_, std::nullopt)) return;
  resume_ = life();
  phase_ = Phase::Presenting;
}

void LevelPlay::ask(Question question) {
  outcome_.question = std::move(question);
  resume_ = life();
  phase_ = Phase::Asking;
}

void LevelPlay::answered() {
  outcome_.question.reset();
  phase_ = resume_;
}

void LevelPlay::beginMove() {
  outcome_ = {};
  move_ = Move{gameState()};
}

Step LevelPlay::move(GameKey key) {
  beginMove();
  Step step = play(g_, key, ruleOptions());
  g_ = std::move(step.next);
  if (step.lineDelaySet) options_.Lijnvertraging = 20;
  for (Shown& item : step.shown) show(std::move(item));
  outcome_.died = step.died;
  outcome_.endless = step.endless;
  if (step.crush) crush_ = *step.crush;
  return step;
}

// A move that changed the game can be taken back; turning on the spot is no move.
void LevelPlay::recordMove() {
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
bool LevelPlay::mayTakeBack() {
  if (!gameRunning() || phase_ == Phase::Asking) return false;
  if (life() == Phase::Replaying) endReplay();
  return true;
}

bool LevelPlay::zetTerug() {
  if (crushed_ && phase_ != Phase::Asking) {
    undoCrush();
    return true;
  }
  if (!mayTakeBack()) return false;
  restoreMove(history_.undo(gameState()));
  return true;
}

bool LevelPlay::zetOpnieuw() {
  if (!mayTakeBack()) return false;
  restoreMove(history_.redo(gameState()));
  return true;
}

bool LevelPlay::rewind(std::size_t steps) {
  if (steps >= history_.depth() || !mayTakeBack()) return false;
  restoreMove(history_.rewind(steps, gameState()));
  return true;
}

void LevelPlay::restoreMove(const std::optional<GameState>& state) {
  if (!state) return;
  setGameState(*state);
  if (move_) move_->start.reset();
  tekenen(true);
  showMoves();
}

void LevelPlay::showMoves() {
  show(shown::Moves{history_.moves(), history_.canUndo() || crushed_, history_.canRedo()});
}

void LevelPlay::setGameState(const GameState& state) {
  g_ = state;
  if (state.richting != Direction::None) face(state.richting);
  show(shown::KeyCount{g_.sleutels});
}

RuleOptions LevelPlay::ruleOptions() const {
  return {options_.volglijnen, options_.Lijnvertraging, options_.Loopvertraging, false};
}

void LevelPlay::endMove() {
  if (life() != Phase::Ended) tekenen(true);
  toetsenleeg();
}

void LevelPlay::prepareRestart() {
  std::optional<GameState> before;
  if (gameRunning()) before = g_;
  restartFrom_ = std::move(before);
  s_.DirectOpnieuw = true;
  s_.Opnieuw = true;
  markEnded();
}

void LevelPlay::leeg() {
  g_.veld.clearPlayArea();
  history_.reset();
  if (move_) move_->start.reset();
  showMoves();
  show(shown::Cleared{});
  show(shown::Captions{});
  s_.commentaar.clear();
}

void LevelPlay::endAndClear() {
  stop();
  s_.Opnieuw = false;
  leeg();
}

void LevelPlay::abandon() {
  crushed_.reset();
  leeg();
}

// Yes restarts the level from the move's end; No empties the board the push was crushing
// on, and the blocks it set down after the crush stay on the empty board. Either way the game
// before the crushing move can be taken back.
void LevelPlay::settleCrush(bool yes) {
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
void LevelPlay::undoCrush() {
  if (life() == Phase::Replaying) endReplay();
  Crushed crushed = std::move(*crushed_);
  crushed_.reset();
  history_ = std::move(crushed.history);
  takeTexts();
  showCaptions();
  setGameState(crushed.before);
  show(shown::Reveal{g_.veld, g_.schakelaar, g_.col, g_.row, false});
  showMoves();
  if (!gameRunning()) startGame();
}

bool LevelPlay::replay(std::vector<GameKey> keys) {
  if (phase_ != Phase::Playing && phase_ != Phase::Paused) return false;
  replay_ = Replay{g_, std::move(keys)};
  phase_ = Phase::Replaying;
  toetsenleeg();
  show(shown::Title{texts::tr(texts::kOplossingTitel)});
  s_.PauzeTitel = false;
  return true;
}

// Each move is shown as the rules show it, at the walking pace, and then stays a moment so
// that the player can follow; the counter counts it on from the game's count. No key is
// forgotten: a key pressed while it walks stops the replay at the next pass. The level's end
// is only seen, never run.
void LevelPlay::replayPass(KeySet keys) {
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
void LevelPlay::endReplay() {
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
