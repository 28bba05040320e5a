#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <string>

namespace dwaalbos::testing {

// An X server of the tests' own: Xvfb on a display number it picks itself, with a window
// manager as players have one (it gives the keyboard back to a window when its box closes).
// DISPLAY names it while it runs. `screen` is the screen's size and depth, "1280x1024x24".
class VirtualDisplay {
 public:
  explicit VirtualDisplay(const std::string& screen = "1280x1024x24");
  ~VirtualDisplay();
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  bool running() const { return !name_.empty(); }

 private:
  bool startWindowManager();

  int pid_ = -1;
  int windowManager_ = -1;
  std::string name_;
};

// A keyboard at the X server: presses and releases made through the XTest extension reach the
// game exactly as a player's would, with the server's own auto-repeat.
class FakeKeyboard {
 public:
  FakeKeyboard();
  ~FakeKeyboard();
  FakeKeyboard(const FakeKeyboard&) = delete;
  FakeKeyboard& operator=(const FakeKeyboard&) = delete;

  // Keys by X key symbol name: "Return", "Right", "space", "Control_L", "m".
  void press(const char* key);
  void release(const char* key);
  void tap(const char* key, std::chrono::milliseconds held = std::chrono::milliseconds(60));
  void chord(const char* modifier, const char* key);
  // A click of the mouse's main button at a point of the screen: what a player does to give a
  // window the keyboard.
  void clickAt(int x, int y);
  // The main button held from one point to another, passing every few pixels on the way as
  // a hand does.
  void dragFromTo(int x, int y, int toX, int toY);
  // Asks the window manager, as a pager or a player's drag of the frame would, to give the
  // window `id` a client area of `width` x `height`.
  void resizeWindow(unsigned long id, int width, int height);

 private:
  void send(const char* key, bool down);
  void* display_;
};

// Waits on a thread of its own, without the toolkit, until `ready` answers true or the time is
// up; true when it did.
bool waitFor(const std::function<bool()>& ready,
             std::chrono::milliseconds limit = std::chrono::milliseconds(15000));
void pause(std::chrono::milliseconds time);

}  // namespace dwaalbos::testing
