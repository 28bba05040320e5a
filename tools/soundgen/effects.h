#pragma once

#include "synth/signal.h"

// The game's sound effects, one function per sample slot. Each returns the raw sound; levels
// and edges are finished by the caller.
namespace dwaalbos::soundgen {

using synth::Signal;

Signal levelStart();                // slot 1: a short, bright rising motif
Signal arrowWhoosh();               // slot 2: carried along by arrows
Signal crushed();                   // slot 3: flattened by one's own block
Signal pushKnock();                 // slot 4: a push is accepted
Signal footstep(unsigned variant);  // slot 5: one step on the forest floor, a few ways
Signal switchClick();               // slot 9: the switch, and the main menu's buttons
Signal keyJingle();                 // slot 10: a key is taken
Signal lockAndCreak();              // slot 11: a key block is opened
Signal levelCompleted();            // slot 12: the exit is reached

}  // namespace dwaalbos::soundgen
