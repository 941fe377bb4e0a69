#pragma once

class WindowMain;

// Starts the program as its Open event does and presses "Okay" (once per program), then
// fills every field up to its capacity as the Left field is filled: fields 0 and 1 at 100
// bugs, the pools at 25. Returns the main window, paused.
WindowMain& StandardPopulation();
