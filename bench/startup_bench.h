#pragma once

// Prints the time from starting the program's process to its main window shown, beside the same
// for the smallest program that opens a window (median of the given number of runs each).
void benchStartUp(int runs);
