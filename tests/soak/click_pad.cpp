#include "click_pad.h"

namespace wp::soak {

bool ClickPad::open(int width, int height) {
    MONITORINFO monitor{sizeof monitor};
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    CreateArgs args;
    // Topmost above the marker windows; never activated, so a click leaves the focus where it is.
    args.exStyle = WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW;
    args.title = L"Soak click pad";
    args.style = WS_POPUP | WS_BORDER;
    args.x = work.right - width - 40;
    args.y = work.bottom - height - 40;
    args.width = width;
    args.height = height;
    ClassInfo padClass{L"WanderpointSoakPad"};
    padClass.background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    if (!create(padClass, args)) return false;
    ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd());
    return true;
}

POINT ClickPad::pointAt(double across, double down) const {
    RECT r{};
    GetWindowRect(hwnd(), &r);
    return {r.left + static_cast<LONG>(across * (r.right - r.left)),
            r.top + static_cast<LONG>(down * (r.bottom - r.top))};
}

LRESULT ClickPad::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
        ++presses;
        return 0;
    case WM_LBUTTONUP:
        ++releases;
        return 0;
    default:
        return defaultProc(message, wParam, lParam);
    }
}

} // namespace wp::soak
