#pragma once

// Prints the time from starting the program's process until its main window exists, shown or
// hidden (--tray), beside the same for the smallest program that opens a window: the median of
// the given number of runs each, the three alternating, in rounds. other: a second build of the
// program, measured in the same rounds; empty for none.
void benchStartUp(int runs, int rounds, const wchar_t* other = L"");
