#pragma once

namespace dwaalbos {

// A blocking pause of the game's one thread: nothing is drawn or handled meanwhile.
// Zero or negative waits return at once.
void sleepMilliseconds(int milliseconds);

// Runs the window events that are pending. With `waitForMore` it first sleeps until at least
// one event arrives, so a loop that calls it uses no processor time while nothing happens.
void processPendingEvents(bool waitForMore);

}  // namespace dwaalbos
