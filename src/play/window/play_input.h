#pragma once

namespace dwaalbos {

struct PlayOptions;

// What the panel's controls may ask of the game under way.
class PlayInput {
 public:
  virtual ~PlayInput() = default;
  // Every key pressed until now is forgotten (`toetsenleeg`).
  virtual void forgetKeys() = 0;
  // Another control takes the input (true) or gives it back.
  virtual void pause(bool on) = 0;
  // The next move plays with these options.
  virtual void playWith(const PlayOptions& options) = 0;
};

}  // namespace dwaalbos
