#include "waiting.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <chrono>
#include <thread>

namespace dwaalbos {

void sleepMilliseconds(int milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void processPendingEvents(bool waitForMore) {
  QCoreApplication::processEvents(waitForMore ? QEventLoop::WaitForMoreEvents
                                              : QEventLoop::AllEvents);
}

}  // namespace dwaalbos
