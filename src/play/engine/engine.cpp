#include "engine.h"

#include <tuple>
#include <utility>

#include "level/level_file.h"
#include "level/texts.h"
#include "rules.h"

namespace dwaalbos {

Engine::Engine(SharedState& shared, Host& host)
    : shared_(shared), host_(host), files_(shared.paths), progress_(&files_) {}

// A move keeps what it shows in its outcome; anything else goes to the host at once.
void Engine::show(Shown item) {
  if (!inMove()) {
    host_.playShown({&item, 1});
    return;
  }
  outcome_.shown.push_back(std::move(item));
}

void Engine::handOver() {
  const auto& items = outcome_.shown;
  if (handed_ < items.size()) host_.playShown(std::span(items).subspan(handed_));
  handed_ = items.size();
}

Host& Engine::host() {
  handOver();
  return host_;
}

void Engine::tekenen(bool verversen) {
  show(shown::Redraw{g_.veld, g_.schakelaar, g_.col, g_.row, verversen});
}

// A start asked for while a game runs ends that game first; the outermost call then starts
// it, so games started from inside games never nest.
void Engine::request(Start start) {
  pending_ = start;
  s_.Gestopt = true;
  settle();
}

// Ends a game that was stopped and runs the starts asked for meanwhile, unless a pass or a
// start further out will, or a move waits for its answer.
void Engine::settle() {
  if (driving_ || outcome_.question) return;
  driving_ = true;
  for (;;) {
    if (running_ && s_.Gestopt) endGame();
    if (pending_ == Start::None) break;
    const Start next = pending_;
    pending_ = Start::None;
    if (next == Start::Begi) doBegi();
    else beginnen();
  }
  driving_ = false;
}

std::optional<Doolhof> Engine::read(const LevelRef& level) const {
  if (level.number == 0) return readLevelFile(level.path);
  if (const Doolhof* standard = shared_.sets.byNumber(level.number)) return *standard;
  return std::nullopt;
}

bool Engine::start(const LevelRef& level) {
  if (!read(level)) return false;
  level_ = level;
  request(Start::Begi);
  return true;
}

void Engine::verder() { request(Start::Beginnen); }

void Engine::doBegi() {
  auto level = read(level_);
  if (!level) return;  // a level past the last one, or a file gone since it was chosen
  s_.Gestopt = true;
  opties_.MetBitBlt = true;
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
  host().showIntroduction({s_.naam.empty() ? "Geennaam" : s_.naam,
                           "Gemaakt door " + (s_.maker.empty() ? "anoniem" : s_.maker),
                           s_.commentaar.empty() ? "Geen commentaar"
                                                 : "Commentaar: " + s_.commentaar});
}

void Engine::takeLevel(Doolhof level) {
  doolhof_ = std::move(level);
  s_.naam = doolhof_.Naam;
  s_.maker = doolhof_.Maker;
  s_.commentaar = doolhof_.Commentaar;
  g_.veld.copyPlayAreaFrom(doolhof_.Vakken);
}

void Engine::beginnen() {
  stopRequested_ = false;
  placeOnStart();
  g_.schakelaar = true;
  s_.Gestopt = false;
  show(shown::Captions{s_.naam.empty() ? "Geennaam" : s_.naam,
                       s_.maker.empty() ? "Anoniem" : s_.maker});
  show(shown::ShowWindow{});
  show(shown::Reveal{g_.veld, g_.schakelaar, g_.col, g_.row, !s_.Opnieuw && opties_.overgang});
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
  running_ = true;
  show(shown::ShowWindow{});
  s_.Pauze = false;
  show(shown::Title{levelTitle()});
  s_.PauzeTitel = false;
}

void Engine::endGame() {
  s_.Gestopt = false;
  running_ = false;
  if (s_.Opnieuw && pending_ == Start::None) pending_ = Start::Begi;
}

void Engine::pass() {
  if (!running_ || driving_ || showing_ || outcome_.question) return;
  driving_ = true;
  playPass();
  handOver();
  driving_ = false;
  settle();
}

void Engine::pauze(bool on) {
  s_.Pauze = on;
  if (running_ && !driving_) showPause();
}

void Engine::showPause() {
  if (s_.Pauze == s_.PauzeTitel) return;
  show(shown::Title{s_.Pauze ? texts::kPauzeTitel : levelTitle()});
  show(shown::Paused{s_.Pauze});
  s_.PauzeTitel = s_.Pauze;
}

void Engine::playPass() {
  showPause();
  if (s_.Pauze) return;
  for (GameKey key : {GameKey::Left, GameKey::Right, GameKey::Up, GameKey::Down, GameKey::Space})
    if (host_.keyState(key)) {
      beginMove();
      moving_ = true;
      takeStep(play(g_, key, ruleOptions()));
      break;
    }
  if (!outcome_.question) closePass();
}

// The next key is read once the player has seen this move.
void Engine::closePass() {
  recordMove();
  if (!std::exchange(moving_, false)) return;
  showing_ = true;
  host().present([this] { showing_ = false; });
}

void Engine::ask(Asked what, const std::string& title, const std::string& text) {
  asked_ = what;
  outcome_.question = Question{title, text};
}

void Engine::answer(bool yes) {
  if (!outcome_.question) return;
  driving_ = true;
  settleAnswer(asked_, yes);
  if (!outcome_.question) closePass();
  handOver();
  driving_ = false;
  settle();
}

// The move goes on from where the question stopped it.
void Engine::settleAnswer(Asked asked, bool yes) {
  outcome_.question.reset();
  asked_ = Asked::None;
  switch (asked) {
    case Asked::Crush:
      settleCrush(yes);
      walkAfterCrush();
      if (!outcome_.question) endMove();
      break;
    case Asked::Next:
      if (yes) start(level_);
      else endedAndCleared();
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
  host_.holdPresentation();
  outcome_ = {};
  handed_ = 0;
  moveStart_ = gameState();
}

// A move that changed the game can be taken back; turning on the spot is no move.
void Engine::recordMove() {
  if (!moveStart_) return;
  GameState before = std::move(*moveStart_);
  moveStart_.reset();
  if (s_.Gestopt) return;
  GameState now = gameState();
  now.richting = before.richting;
  if (now == before) return;
  history_.record(before);
  showMoves();
}

bool Engine::zetTerug() {
  if (!gameRunning() || outcome_.question) return false;
  restoreMove(history_.undo(gameState()));
  return true;
}

bool Engine::zetOpnieuw() {
  if (!gameRunning() || outcome_.question) return false;
  restoreMove(history_.redo(gameState()));
  return true;
}

bool Engine::rewind(const std::function<bool(const GameState&)>& winnable) {
  if (!gameRunning() || outcome_.question) return false;
  for (std::size_t steps = 0; steps < history_.depth(); ++steps) {
    if (!winnable(history_.back(steps))) continue;
    restoreMove(history_.rewind(steps, gameState()));
    return true;
  }
  return false;
}

void Engine::restoreMove(const std::optional<GameState>& state) {
  if (!state) return;
  setGameState(*state);
  moveStart_.reset();
  tekenen(true);
  showMoves();
}

void Engine::showMoves() {
  show(shown::Moves{history_.moves(), history_.canUndo(), history_.canRedo()});
}

void Engine::setGameState(const GameState& state) {
  g_ = state;
  if (state.richting != Direction::None) face(state.richting);
  show(shown::KeyCount{g_.sleutels});
}

RuleOptions Engine::ruleOptions() const {
  return {opties_.volglijnen, opties_.Lijnvertraging, opties_.Loopvertraging, false};
}

// The rules' step becomes the game; a crush waits for its answer, a completed level ends.
void Engine::takeStep(Step step) {
  g_ = std::move(step.next);
  if (step.lineDelaySet) opties_.Lijnvertraging = 20;
  for (Shown& item : step.shown) show(std::move(item));
  outcome_.died = step.died;
  outcome_.endless = step.endless;
  if (step.crush) {
    crush_ = std::move(*step.crush);
    ask(Asked::Crush, texts::kZelfmoordTitle, texts::kZelfmoord);
    s_.Gestopt = true;
    return;
  }
  if (!step.completed) return;
  levelEnd();
  if (!outcome_.question) endMove();
}

// The crushing move went on over arrows: the game it ended restarts or is left.
void Engine::walkAfterCrush() {
  if (crush_.refused) return;
  if (s_.DirectOpnieuw) {
    s_.DirectOpnieuw = false;
    request(Start::Beginnen);
    return;
  }
  host().closeWindow();
  if (outcome_.question) return;  // "Zeker weten?" decides once it is answered
  if (!stopRequested_) s_.Gestopt = false;
}

void Engine::endMove() {
  if (!s_.Gestopt) tekenen(true);
  toetsenleeg();
}

void Engine::toetsenleeg() { show(shown::FlushKeys{}); }

// A restart of a running game can be taken back like a move.
void Engine::overnieuw() {
  std::optional<GameState> before;
  if (gameRunning()) before = g_;
  if (level_.number == 0) {
    auto level = readLevelFile(level_.path);
    if (!level) return;  // the file is gone: nothing to start again
    takeLevel(std::move(*level));
  }
  restartFrom_ = std::move(before);
  s_.DirectOpnieuw = true;
  s_.Opnieuw = true;
  s_.Gestopt = true;
  // A running game restarts the level as it ends; with none running, start it now.
  if (!gameRunning()) request(Start::Begi);
  else settle();
}

void Engine::leeg() {
  g_.veld.clearPlayArea();
  history_.reset();
  moveStart_.reset();
  showMoves();
  show(shown::Cleared{});
  show(shown::Captions{});
  s_.commentaar.clear();
}

void Engine::naareditor(bool completed) {
  s_.Gestopt = true;
  stopRequested_ = true;
  host().toEditor(completed);
  settle();
}

void Engine::leave() {
  if (outcome_.question) return;
  s_.Pauze = true;
  if (shared_.Testen) naareditor();
  else ask(Asked::Leave, texts::kBevestigingTitle, texts::kZekerWeten);
}

// Asked in a move (the crush answered No), the move ends after the answer; a No plays on.
void Engine::settleLeave(bool yes) {
  if (yes) {
    leeg();
    stopGame();
    host().toMenu();
  } else {
    showPause();
  }
  if (!moving_) return;
  if (!stopRequested_) s_.Gestopt = false;
  endMove();
}

void Engine::stopGame() {
  restartFrom_.reset();
  s_.Gestopt = true;
  stopRequested_ = true;
  pending_ = Start::None;
  settle();
}

}  // namespace dwaalbos
