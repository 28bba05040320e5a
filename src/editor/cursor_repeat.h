#pragma once

#include <cstdint>

namespace dwaalbos {

// How one arrow key moves the editor's cursor: a press moves it at once; a key held past the
// first delay moves it again at every pass of the cursor loop, like a keyboard's own repeat. A
// tap therefore moves exactly one cell, however long the finger rests on the key.
class CursorRepeat {
 public:
  static constexpr std::int64_t kFirstDelay = 250;
  static constexpr std::int64_t kInterval = 85;

  // One look at the key at `now` (milliseconds): `pressed` when a new press arrived since the
  // last look, `down` while it is held. True when the cursor moves.
  bool step(bool pressed, bool down, std::int64_t now) {
    if (pressed) {
      repeating_ = true;
      next_ = now + kFirstDelay;
      return true;
    }
    repeating_ = repeating_ && down;
    // The loop's timer may fire a little early; a few milliseconds are not a missed repeat.
    if (!repeating_ || now + kSlack < next_) return false;
    next_ = now + kInterval;
    return true;
  }

 private:
  static constexpr std::int64_t kSlack = 10;
  bool repeating_ = false;  // pressed, and held ever since
  std::int64_t next_ = 0;
};

}  // namespace dwaalbos
