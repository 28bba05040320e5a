#include "headless_host.h"

namespace dwaalbos {

HeadlessHost::HeadlessHost(SharedState& shared, bool answerYes)
    : engine_(shared, *this), answerYes_(answerYes) {
  // No transition, follow lines on; the delays do not matter, nothing sleeps here.
  engine_.opties() = Opties{false, 0, true, 0, true, false};
}

bool HeadlessHost::play(const std::string& keys, bool start) {
  keys_ = keys;
  next_ = 0;
  keysExhausted_ = false;
  if (start) {
    if (!engine_.begi()) return false;
  } else {
    engine_.verder();
  }
  while (engine_.gameRunning()) playLetter();
  ended_ = !keysExhausted_;
  return true;
}

// Each pass takes one letter; with none left the session ends. Z and Y stand for the menu's
// undo and redo, chosen in a pass that found no key pressed.
void HeadlessHost::playLetter() {
  engine_.pass();
  answerQuestions();
  if (next_ >= keys_.size()) {
    keysExhausted_ = true;
    engine_.stopGame();
    return;
  }
  const char letter = keys_[next_++];
  if (letter == 'Z') engine_.zetTerug();
  if (letter == 'Y') engine_.zetOpnieuw();
}

void HeadlessHost::tekenen(bool) { ++redraws_; }

void HeadlessHost::message(const std::string& title, const std::string& text, Icon) {
  events_.push_back({0, title, text, "ok"});
}

// An answer may lead to the next question, as a crush answered No leads to "Zeker weten?".
void HeadlessHost::answerQuestions() {
  while (engine_.lastMove().question) {
    const Question question = *engine_.lastMove().question;
    events_.push_back({0, question.title, question.text, answerYes_ ? "yes" : "no"});
    engine_.answer(answerYes_);
  }
}

void HeadlessHost::setLevelCaptions(const std::string& naam, const std::string& maker) {
  nameCaption_ = naam;
  makerCaption_ = maker;
}

void HeadlessHost::showIntroduction(const Introduction& texts) {
  introduction_ = texts;
  ++introductions_;
  engine_.verder();
}

void HeadlessHost::closeWindow() { engine_.leave(); }

bool HeadlessHost::keyState(GameKey key) {
  if (next_ >= keys_.size()) return false;
  switch (keys_[next_]) {
    case 'L': return key == GameKey::Left;
    case 'R': return key == GameKey::Right;
    case 'U': return key == GameKey::Up;
    case 'D': return key == GameKey::Down;
    case 'S': return key == GameKey::Space;
    default: return false;
  }
}

}  // namespace dwaalbos
