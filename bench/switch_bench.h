#pragma once

// Prints when the switching cycle moves the pointer over the given number of periods at interval
// 0.1, against the ideal schedule and beside a bare window timer.
void benchSwitchTimer(int periods);
