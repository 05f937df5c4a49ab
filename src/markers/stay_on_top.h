// Puts a window in the topmost band, above every ordinary window.
#pragma once

#include <windows.h>

namespace wp::markers {

// Raises the window into the topmost band without moving or sizing it, then lets pending events run.
void SetTopMost(HWND hwnd);

} // namespace wp::markers
