#pragma once

// Where a start-up's time goes. Each phase's end is written on standard
// output as "<steady clock nanoseconds> <phase>", flushed at once, so that
// the process that started this one can take the phases apart (see
// runStartupPhasesBench).
void markStartupPhase(const char* phase);

// The program's start-up in app/main.cpp's order, with the steps inside
// the device bring-up, the UI set-up and the first frame taken apart; then
// frames until the process is ended. Returns the exit code.
int runProgramStartupPhases();
