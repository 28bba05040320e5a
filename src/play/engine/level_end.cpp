// How a game ends: the level completed, or the player crushed by his own block.
#include "engine.h"
#include "level/progress.h"
#include "level/scores.h"
#include "texts.h"

namespace dwaalbos {

void Engine::levelEnd() {
  recordMove();
  outcome_.completed = true;
  recordBestResult(shared_.paths.scores(), shared_.LevelNummer, history_.moves());
  speelgeluid(Sample::Completed);
  host_.celebrate();
  if (shared_.LevelNummer == 0) {
    endedAndCleared();
    if (shared_.Testen) naareditor(true);
    else host_.message(texts::kKlaarTitle, texts::kGehaald, Icon::Exclamation);
    return;
  }
  const std::string path = shared_.paths.progress();
  const bool second = isSecondSet(shared_.LevelNummer);
  const Vordering stored = readProgress(path).value_or(Vordering{});
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
    if (host_.ask(texts::kProgramTitle, question, Icon::None)) {
      host_.openDocument(firstSet ? shared_.paths.folder() + "/" + texts::kSecretPage
                                  : texts::kProofMail);
    } else {
      endedAndCleared();
    }
    return;
  }
  const auto next = static_cast<std::int16_t>(n + 1);
  if (second) writeSecondSetProgress(path, next);
  else writeFirstSetProgress(path, next);
  ++shared_.LevelNummer;
  endedAndCleared();
  offerNext(texts::kEersteKeer);
}

void Engine::offerNext(const std::string& text) {
  if (host_.ask(texts::kVolgendeTitle, text, Icon::None)) begi();
  else endedAndCleared();
}

void Engine::endedAndCleared() {
  s_.Gestopt = true;
  s_.Opnieuw = false;
  leeg();
}

void Engine::zelfmoord(int x, int y) {
  const bool onPlayer = s_.Meegevoerd ? (s_.DoelX == x && s_.DoelY == y)
                                      : (playerCol() == x && playerRow() == y);
  if (!onPlayer) return;
  outcome_.died = true;
  speelgeluid(Sample::Crushed);
  if (s_.Meegevoerd) {
    shared_.ManX = (s_.DoelX - 1) * kCellPixels;
    shared_.ManY = (s_.DoelY - 1) * kCellPixels;
  }
  tekenen(true);
  if (host_.ask(texts::kZelfmoordTitle, texts::kZelfmoord, Icon::None)) {
    s_.Doorschuiven = false;
    s_.Gestopt = true;
    s_.Opnieuw = true;
    s_.DirectOpnieuw = true;
  } else {
    leeg();
    s_.Gestopt = true;
  }
}

}  // namespace dwaalbos
