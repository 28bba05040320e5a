#include "x_display.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace dwaalbos::testing {
namespace {

// Xvfb writes the display number it chose to this pipe once it accepts clients.
std::string readDisplayNumber(int fd) {
  std::string number;
  pollfd wait{fd, POLLIN, 0};
  char c = 0;
  while (poll(&wait, 1, 10000) > 0 && read(fd, &c, 1) == 1 && c != '\n') number += c;
  return number;
}

}  // namespace

VirtualDisplay::VirtualDisplay(const std::string& screen) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    close(pipeEnds[0]);
    const std::string fd = std::to_string(pipeEnds[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten",
           "tcp", "-noreset", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeEnds[1]);
  const std::string number = pid_ > 0 ? readDisplayNumber(pipeEnds[0]) : "";
  close(pipeEnds[0]);
  if (number.empty()) return;
  setenv("DISPLAY", (":" + number).c_str(), 1);
  if (startWindowManager()) name_ = ":" + number;
}

namespace {

// Openbox claims the screen a moment before it handles map requests, and a window shown in
// that moment is never mapped: a small window of our own is shown until the manager maps it.
bool mapsWindows(Display* display) {
  const Window probe =
      XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 8, 8, 0, 0, 0);
  bool mapped = false;
  for (int attempt = 0; attempt < 20 && !mapped; ++attempt) {
    XMapWindow(display, probe);
    mapped = waitFor(
        [&] {
          XWindowAttributes attributes;
          return XGetWindowAttributes(display, probe, &attributes) &&
                 attributes.map_state == IsViewable;
        },
        std::chrono::milliseconds(500));
    if (!mapped) XUnmapWindow(display, probe);
  }
  XDestroyWindow(display, probe);
  XSync(display, False);
  return mapped;
}

}  // namespace

// Ready once it has claimed the screen: the root window then names its check window.
bool VirtualDisplay::startWindowManager() {
  windowManager_ = fork();
  if (windowManager_ == 0) {
    execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
    _exit(127);
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) return false;
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
  const bool ready = waitFor([&] {
    int count = 0;
    Atom* properties = XListProperties(display, DefaultRootWindow(display), &count);
    bool found = false;
    for (int i = 0; i < count; ++i) found = found || properties[i] == check;
    if (properties) XFree(properties);
    return found;
  });
  const bool managing = ready && mapsWindows(display);
  XCloseDisplay(display);
  return managing;
}

VirtualDisplay::~VirtualDisplay() {
  for (int pid : {windowManager_, pid_}) {
    if (pid <= 0) continue;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
  }
}

FakeKeyboard::FakeKeyboard() : display_(XOpenDisplay(nullptr)) {
  if (!display_) throw std::runtime_error("no X display for the fake keyboard");
}

FakeKeyboard::~FakeKeyboard() { XCloseDisplay(static_cast<Display*>(display_)); }

void FakeKeyboard::send(const char* key, bool down) {
  auto* display = static_cast<Display*>(display_);
  const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(key));
  XTestFakeKeyEvent(display, code, down ? True : False, CurrentTime);
  XSync(display, False);
}

void FakeKeyboard::press(const char* key) { send(key, true); }
void FakeKeyboard::release(const char* key) { send(key, false); }

void FakeKeyboard::tap(const char* key, std::chrono::milliseconds held) {
  press(key);
  pause(held);
  release(key);
}

void FakeKeyboard::chord(const char* modifier, const char* key) {
  press(modifier);
  tap(key);
  release(modifier);
}

void FakeKeyboard::clickAt(int x, int y) {
  auto* display = static_cast<Display*>(display_);
  XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
  XTestFakeButtonEvent(display, 1, True, CurrentTime);
  XTestFakeButtonEvent(display, 1, False, CurrentTime);
  XSync(display, False);
}

void FakeKeyboard::dragFromTo(int x, int y, int toX, int toY) {
  auto* display = static_cast<Display*>(display_);
  constexpr int kSteps = 24;
  XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
  XTestFakeButtonEvent(display, 1, True, CurrentTime);
  XSync(display, False);
  for (int step = 1; step <= kSteps; ++step) {
    pause(std::chrono::milliseconds(10));
    XTestFakeMotionEvent(display, -1, x + (toX - x) * step / kSteps, y + (toY - y) * step / kSteps,
                         CurrentTime);
    XSync(display, False);
  }
  XTestFakeButtonEvent(display, 1, False, CurrentTime);
  XSync(display, False);
}

// _NET_MOVERESIZE_WINDOW: gravity from the window, only width and height given, sent by a tool.
void FakeKeyboard::resizeWindow(unsigned long id, int width, int height) {
  auto* display = static_cast<Display*>(display_);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = id;
  event.xclient.message_type = XInternAtom(display, "_NET_MOVERESIZE_WINDOW", False);
  event.xclient.format = 32;
  constexpr long kWidthAndHeight = (1L << 10) | (1L << 11);
  constexpr long kFromATool = 2L << 12;
  event.xclient.data.l[0] = kWidthAndHeight | kFromATool;
  event.xclient.data.l[3] = width;
  event.xclient.data.l[4] = height;
  XSendEvent(display, DefaultRootWindow(display), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &event);
  XSync(display, False);
}

bool waitFor(const std::function<bool()>& ready, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!ready()) {
    if (std::chrono::steady_clock::now() > end) return false;
    pause(std::chrono::milliseconds(10));
  }
  return true;
}

void pause(std::chrono::milliseconds time) { std::this_thread::sleep_for(time); }

}  // namespace dwaalbos::testing
