#include "markers/stay_on_top.h"

#include "win/pump.h"

namespace wp::markers {

void SetTopMost(HWND hwnd) {
    // Without SWP_NOACTIVATE a window not yet shown takes the activation and the keyboard with it.
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    win::letPendingEventsRun();
}

} // namespace wp::markers
