#include "termination_signals.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <csignal>

namespace dwaalbos {
namespace {

constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

// One pipe for the process: a signal handler can reach nothing but a global.
int pipeEnds[2] = {-1, -1};

extern "C" void onTerminationSignal(int number) {
  const auto byte = static_cast<unsigned char>(number);
  [[maybe_unused]] const auto written = ::write(pipeEnds[1], &byte, 1);
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal)
    : onSignal_(std::move(onSignal)) {
  if (pipeEnds[0] < 0 && ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::drain);
  struct sigaction action {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int number : kSignals) sigaction(number, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
  for (int number : kSignals) std::signal(number, SIG_DFL);
}

void TerminationSignals::drain() {
  std::array<unsigned char, 16> received;
  bool any = false;
  while (::read(pipeEnds[0], received.data(), received.size()) > 0) any = true;
  if (any && onSignal_) onSignal_();
}

}  // namespace dwaalbos
