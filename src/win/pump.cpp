#include "win/pump.h"

#include "win/window.h"

namespace wp::win {
namespace {
bool quitSeen = false;
}

void dispatchMessage(MSG& msg) {
    if (Window* owner = Window::fromHandle(GetAncestor(msg.hwnd, GA_ROOT))) {
        if (owner->preTranslateMessage(msg)) return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int runMessageLoop() {
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) dispatchMessage(msg);
    quitSeen = true;
    return static_cast<int>(msg.wParam);
}

void letPendingEventsRun() { letPendingEventsRun({}); }

void letPendingEventsRun(const std::function<void(const MSG&)>& beforeDispatch) {
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quitSeen = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (beforeDispatch) beforeDispatch(msg);
        dispatchMessage(msg);
    }
}

bool quitRequested() { return quitSeen; }

void runMessageLoopWhile(const std::function<bool()>& keepRunning) {
    MSG msg{};
    while (keepRunning()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1) return;
        if (got == 0) {
            quitSeen = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        dispatchMessage(msg);
    }
}

} // namespace wp::win
