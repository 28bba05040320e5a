// How a game ends: the level completed, or the player crushed by his own block.
#include "engine.h"
#include "level/file_messages.h"
#include "level/progress.h"
#include "level/scores.h"
#include "level/texts.h"

namespace dwaalbos {

void Engine::levelEnd() {
  recordMove();
  outcome_.completed = true;
  const std::string scores = shared_.paths.scores();
  const auto saved = recordBestResult(scores, shared_.LevelNummer, history_.moves());
  speelgeluid(Sample::Completed);
  show(shown::Celebrate{g_.col, g_.row});
  // The level end is heard and seen first; a refused write is told after it.
  if (saved && !*saved)
    show(shown::Tell{texts::kNotSavedTitle,
                     notSavedText(scores, shared_.paths.explained(scores, *saved)), Icon::Critical});
  if (shared_.LevelNummer == 0) {
    endedAndCleared();
    if (shared_.Testen) naareditor(true);
    else show(shown::Tell{texts::kKlaarTitle, texts::kGehaald, Icon::Exclamation});
    return;
  }
  const std::string path = shared_.paths.progress();
  const bool second = isSecondSet(shared_.LevelNummer);
  const Vordering stored = furthest(readProgress(path).value_or(Vordering{}), shared_.bereikt);
  const int p = second ? clampSecondSet(stored.P2) : clampFirstSet(stored.P1);
  const int n = numberWithinSet(shared_.LevelNummer);
  if (p != n) {
    ++shared_.LevelNummer;
    endedAndCleared();
    offerNext(texts::kNogEens);
    return;
  }
  if (shared_.LevelNummer == kSet1Levels || shared_.LevelNummer == kLastLevelNumber) {
    endedAndCleared();
    const bool firstSet = shared_.LevelNummer == kSet1Levels;
    const std::string question =
        firstSet ? std::string(texts::kSet1Uit) + texts::kSecretPage + "?" : texts::kSet2Uit;
    ask(Asked::SetEnd, texts::kProgramTitle, question);
    return;
  }
  const auto next = static_cast<std::int16_t>(n + 1);
  saveProgress(second, next);
  ++shared_.LevelNummer;
  endedAndCleared();
  offerNext(texts::kEersteKeer);
}

// The next level opens even when the file refuses the new value; the player is told that it
// stays open only until the game ends.
void Engine::saveProgress(bool secondSet, std::int16_t next) {
  const std::string path = shared_.paths.progress();
  const WriteResult saved = shared_.paths.explained(
      path, secondSet ? writeSecondSetProgress(path, next) : writeFirstSetProgress(path, next));
  shared_.bereikt = furthest(shared_.bereikt, secondSet ? Vordering{1, next} : Vordering{next, 1});
  if (!saved)
    show(shown::Tell{texts::kNotSavedTitle,
                     notSavedText(path, saved) + texts::kVorderingTijdelijk, Icon::Critical});
}

void Engine::offerNext(const std::string& text) { ask(Asked::Next, texts::kVolgendeTitle, text); }

// The level number is still the set's last: it tells which set was played out.
void Engine::setEndAnswered(bool yes) {
  if (!yes) {
    endedAndCleared();
    return;
  }
  host().openDocument(shared_.LevelNummer == kSet1Levels
                         ? shared_.paths.folder() + "/" + texts::kSecretPage
                         : texts::kProofMail);
}

void Engine::endedAndCleared() {
  s_.Gestopt = true;
  s_.Opnieuw = false;
  leeg();
}

void Engine::zelfmoord(int x, int y) {
  const bool onPlayer = s_.Meegevoerd ? (s_.DoelX == x && s_.DoelY == y)
                                      : (g_.col == x && g_.row == y);
  if (!onPlayer) return;
  outcome_.died = true;
  speelgeluid(Sample::Crushed);
  if (s_.Meegevoerd) {
    g_.col = s_.DoelX;
    g_.row = s_.DoelY;
  }
  tekenen(true);
  // The player answers once the push has come to rest; either answer ends this game.
  ask(Asked::Crush, texts::kZelfmoordTitle, texts::kZelfmoord);
  s_.Gestopt = true;
  afterCrush_.clear();
}

// Yes restarts the level from the move's end; No empties the board the push was crushing
// on, and the blocks it set down after the crush stay on the empty board.
void Engine::settleCrush(bool yes) {
  if (yes) {
    s_.Opnieuw = true;
    s_.DirectOpnieuw = true;
  } else {
    leeg();
    for (const auto& [x, y] : afterCrush_) g_.veld.set(x, y, cell::kPushBlock);
  }
  afterCrush_.clear();
}

}  // namespace dwaalbos
