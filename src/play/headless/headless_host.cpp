#include "headless_host.h"

#include "play/rules/move_letters.h"
#include "play/session/own_levels.h"

namespace dwaalbos {

HeadlessHost::HeadlessHost(SharedState& shared, bool answerYes)
    : sets_(shared.sets), game_(shared), answerYes_(answerYes) {
  // No transition, follow lines on; the delays do not matter, nothing sleeps here.
  game_.setPlayOptions(PlayOptions{});
}

bool HeadlessHost::play(const LevelRef& level, const std::string& keys) {
  keys_ = keys;
  next_ = 0;
  keysExhausted_ = false;
  const auto read = loaded(level, sets_);
  if (!read || !game_.start(*read)) return false;
  follow();
  while (game_.play().gameRunning()) playLetter();
  ended_ = !keysExhausted_;
  return true;
}

// Each pass takes one letter; with none left the session ends. Z and Y stand for the menu's
// undo and redo, chosen in a pass that found no key pressed.
void HeadlessHost::playLetter() {
  playShown(game_.pass(keysOfPass()).shown);
  follow();
  answerQuestions();
  if (next_ >= keys_.size()) {
    keysExhausted_ = true;
    game_.end();
    follow();
    return;
  }
  const char letter = keys_[next_++];
  if (letter == 'Z') game_.zetTerug();
  if (letter == 'Y') game_.zetOpnieuw();
  follow();
}

void HeadlessHost::follow() {
  for (std::vector<Shown> items; !(items = game_.takeShown()).empty();) playShown(items);
  game_.presented();
}

// The sounds and the boxes are the events; the pictures are only counted.
void HeadlessHost::playShown(const std::vector<Shown>& items) {
  for (const Shown& item : items)
    std::visit(shown::Handlers{
                   [this](const shown::Sound& s) {
                     events_.push_back({static_cast<int>(s.sample), {}, {}, {}});
                   },
                   [this](const shown::Tell& t) {
                     events_.push_back({0, t.title, t.text, "ok"});
                   },
                   [this](const shown::Redraw&) { ++redraws_; },
                   [this](const shown::Walk&) { redraws_ += 5; },
                   [this](const shown::Bars& b) { bars_ += static_cast<int>(b.pieces.size()); },
                   [this](const shown::KeyCount& k) { keyCount_ = k.keys; },
                   [this](const shown::Reveal&) { ++redraws_; },
                   [this](const shown::Cleared&) { cleared_ = true; },
                   [this](const shown::Result& r) { result_ = r; },
                   [this](const shown::Captions& c) {
                     nameCaption_ = c.naam;
                     makerCaption_ = c.maker;
                   },
                   [this](const shown::Title& t) { title_ = t.text; },
                   [this](const shown::Introduce& i) {
                     introduction_ = i.texts;
                     ++introductions_;
                     game_.verder();
                   },
                   [this](const shown::ToEditor&) { toEditor_ = true; },
                   [this](const shown::OpenDocument& o) { opened_.push_back(o.address); },
                   [this](const shown::NextMaze& n) { nextMaze_ = n; },
                   [](const auto&) {},
               },
               item);
}

// An answer may lead to the next question, as a crush answered No leads to "Zeker weten?".
void HeadlessHost::answerQuestions() {
  while (game_.play().lastMove().question) {
    const Question question = *game_.play().lastMove().question;
    events_.push_back({0, question.title, question.text, answerYes_ ? "yes" : "no"});
    game_.answer(answerYes_);
    follow();
  }
}

// Enter is no move: a letter of no move reads as no key at all.
KeySet HeadlessHost::keysOfPass() {
  if (next_ >= keys_.size() || letterKey(keys_[next_]) == GameKey::Enter) return {};
  return {letterKey(keys_[next_])};
}

}  // namespace dwaalbos
