// The program's one message pump: the main loop and "let pending events run" share it.
#pragma once

#include <windows.h>

namespace wp::win {

// Pre-translates (our windows' keyboard handling), translates and dispatches one message.
void dispatchMessage(MSG& msg);

// Runs until WM_QUIT; returns its exit code.
int runMessageLoop();

// Runs every message that is waiting, then returns. A WM_QUIT found here is posted again for the
// outer loop, and quitRequested() becomes true.
void letPendingEventsRun();

bool quitRequested();

} // namespace wp::win
