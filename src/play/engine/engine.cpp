#include "engine.h"

#include <tuple>
#include <utility>

#include "level/level_file.h"
#include "level/texts.h"

namespace dwaalbos {

Engine::Engine(SharedState& shared, Host& host) : shared_(shared), host_(host) {}

// A move keeps what it shows in its outcome; anything else goes to the host at once.
void Engine::show(Shown item) {
  if (quiet_) return;
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
  if (quiet_) return;  // a search does not copy boards it will not show
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

std::optional<Doolhof> Engine::selectedLevel() const {
  if (shared_.LevelNummer == 0) return readLevelFile(shared_.LevelBestand);
  if (const Doolhof* level = shared_.sets.byNumber(shared_.LevelNummer)) return *level;
  return std::nullopt;
}

bool Engine::begi() {
  if (!selectedLevel()) return false;
  request(Start::Begi);
  return true;
}

bool Engine::openLevel(const std::string& path) {
  if (!readLevelFile(path)) return false;
  shared_.LevelBestand = path;
  shared_.LevelNummer = 0;
  request(Start::Begi);
  return true;
}

void Engine::verder() { request(Start::Beginnen); }

void Engine::doBegi() {
  auto level = selectedLevel();
  if (!level) return;  // a level past the last one, or a file gone since it was chosen
  s_.Gestopt = true;
  opties_.MetBitBlt = true;
  g_.sleutels = 0;
  show(shown::KeyCount{0});
  toetsenleeg();
  speelgeluid(Sample::LevelStart);
  shared_.Level = std::move(*level);
  s_.naam = shared_.Level.Naam;
  s_.maker = shared_.Level.Maker;
  s_.commentaar = shared_.Level.Commentaar;
  g_.veld.copyPlayAreaFrom(shared_.Level.Vakken);
  if (s_.Opnieuw || (s_.naam.empty() && s_.maker.empty())) {
    beginnen();
    return;
  }
  host().showIntroduction({s_.naam.empty() ? "Geennaam" : s_.naam,
                           "Gemaakt door " + (s_.maker.empty() ? "anoniem" : s_.maker),
                           s_.commentaar.empty() ? "Geen commentaar"
                                                 : "Commentaar: " + s_.commentaar});
}

void Engine::beginnen() {
  s_.Gehaald = false;
  stopRequested_ = false;
  placeOnStart();
  g_.schakelaar = true;
  s_.Gestopt = false;
  show(shown::Captions{s_.naam.empty() ? "Geennaam" : s_.naam,
                       s_.maker.empty() ? "Anoniem" : s_.maker});
  show(shown::ShowWindow{});
  show(shown::Reveal{g_.veld, g_.schakelaar, g_.col, g_.row, !s_.Opnieuw && opties_.overgang});
  s_.Opnieuw = false;
  // Drawn as he last stood, he faces right from here on, with or without the ring.
  g_.richting = Direction::Right;
  face(g_.richting, true);
  history_.reset();
  showMoves();
  startGame();
}

namespace {

// The leftmost column first, then the topmost row.
std::optional<std::pair<int, int>> startCell(const Board& board) {
  for (int c = 1; c <= 12; ++c)
    for (int r = 1; r <= 12; ++r)
      if (board.at(c, r) == cell::kStart) return std::pair(c, r);
  return std::nullopt;
}

}  // namespace

void Engine::placeOnStart() {
  if (const auto start = startCell(g_.veld)) {
    std::tie(g_.col, g_.row) = *start;
  }
}

GameState Engine::levelStart() const {
  GameState start;
  start.veld.copyPlayAreaFrom(shared_.Level.Vakken);
  if (const auto cell = startCell(start.veld)) std::tie(start.col, start.row) = *cell;
  return start;
}

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
  s_.PauzeTitel = s_.Pauze;
}

void Engine::playPass() {
  s_.Bewogen = false;
  showPause();
  if (s_.Pauze) return;
  for (GameKey key : {GameKey::Left, GameKey::Right, GameKey::Up, GameKey::Down, GameKey::Space})
    if (host_.keyState(key)) {
      beginMove();
      applyKey(key);
      break;
    }
  moving_ = moveStart_.has_value();
  finishPass();
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
      completeMove();
      break;
    case Asked::Next:
      if (yes) begi();
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

// A search answers No to every question at once.
void Engine::act(GameKey key) {
  quiet_ = true;
  s_.Bewogen = false;
  outcome_ = {};
  applyKey(key);
  finishPass();
  while (outcome_.question) settleAnswer(asked_, false);
  quiet_ = false;
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

void Engine::restoreMove(const std::optional<GameState>& state) {
  if (!state) return;
  setGameState(*state);
  s_.Bewogen = false;  // a key accepted in this pass belonged to the state taken back
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

void Engine::applyKey(GameKey key) {
  switch (key) {
    case GameKey::Left:
      if (g_.col != 1) s_.Bewogen = true;
      g_.richting = Direction::Left;
      break;
    case GameKey::Right:
      s_.Bewogen = true;
      g_.richting = Direction::Right;
      break;
    case GameKey::Up:
      if (g_.row != 1) s_.Bewogen = true;
      g_.richting = Direction::Up;
      break;
    case GameKey::Down:
      s_.Bewogen = true;
      g_.richting = Direction::Down;
      break;
    case GameKey::Space: flipSwitch(); return;
    case GameKey::Enter: return;
  }
  face(g_.richting);
}

// A move that crushed the player stops after its first step until the question is answered.
void Engine::finishPass() {
  if (!s_.Bewogen) return;
  stepOff();
  if (!outcome_.question) completeMove();
}

void Engine::completeMove() {
  walkOn();
  if (!outcome_.question) endMove();
}

void Engine::endMove() {
  if (!s_.Gestopt) tekenen(true);
  toetsenleeg();
}

void Engine::flipSwitch() {
  const int c = g_.col;
  const int r = g_.row;
  if (!Board::contains(c, r) || g_.veld.at(c, r) != cell::kSwitch) return;
  speelgeluid(Sample::Switch);
  g_.schakelaar = !g_.schakelaar;
  tekenen(true);
  show(shown::Wait{200});
}

void Engine::toetsenleeg() { show(shown::FlushKeys{}); }

void Engine::overnieuw() {
  if (shared_.LevelNummer == 0) {
    auto level = readLevelFile(shared_.LevelBestand);
    if (!level) return;  // the file is gone: nothing to start again
    shared_.Level = std::move(*level);
    s_.naam = shared_.Level.Naam;
    s_.maker = shared_.Level.Maker;
    s_.commentaar = shared_.Level.Commentaar;
    g_.veld.copyPlayAreaFrom(shared_.Level.Vakken);
  }
  s_.DirectOpnieuw = true;
  s_.Opnieuw = true;
  s_.Gestopt = true;
  // A running game restarts the level as it ends; with none running, start it now.
  if (!gameRunning()) request(Start::Begi);
  else settle();
}

void Engine::leeg() {
  g_.veld.clearPlayArea();
  history_.forget();
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
  s_.Gestopt = true;
  stopRequested_ = true;
  pending_ = Start::None;
  settle();
}

}  // namespace dwaalbos
