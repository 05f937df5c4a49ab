// The program's one message pump: the main loop and "let pending events run" share it.
#pragma once

#include <windows.h>

#include <functional>

namespace wp::win {

// Pre-translates (our windows' keyboard handling), translates and dispatches one message.
void dispatchMessage(MSG& msg);

// Runs until WM_QUIT; returns its exit code.
int runMessageLoop();

// Runs every message that is waiting, then returns. A WM_QUIT found here is posted again for the
// outer loop, and quitRequested() becomes true.
void letPendingEventsRun();
// The same, calling beforeDispatch with each message before it is handled.
void letPendingEventsRun(const std::function<void(const MSG&)>& beforeDispatch);

bool quitRequested();

// The pump run as a modal window's loop: dispatches messages while keepRunning() holds. A WM_QUIT
// ends it and is posted again for the outer loop.
void runMessageLoopWhile(const std::function<bool()>& keepRunning);

} // namespace wp::win
