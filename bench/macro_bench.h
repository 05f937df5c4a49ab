#pragma once

// Prints the runner's throughput against a plain SetCursorPos loop, and the time to save and
// open a large macro, all on the real macro window.
void benchMacroWindow(int moves, int records);
