#include "app/switch_tray.h"

#include <windowsx.h>

#include "res/resource.h"
#include "win/handle.h"

namespace wp::app {

SwitchTray::SwitchTray(bool& stop) : stop_(stop) {
    CreateArgs args;
    args.exStyle = WS_EX_TOOLWINDOW;
    args.style = WS_POPUP;
    if (!create(ClassInfo{L"WanderpointSwitchTray"}, args)) return;
    icon_.add(hwnd(), trayMessage, win::smallIcon(hwnd(), IDI_WANDERPOINT), L"");
}

SwitchTray::~SwitchTray() {
    icon_.remove();
    destroy();
}

LRESULT SwitchTray::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == win::NotifyIcon::taskbarCreatedMessage()) {
        icon_.addAgain();
        return 0;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == idmStop) {
        stop_ = true;
        return 0;
    }
    if (message == trayMessage && LOWORD(lParam) == WM_CONTEXTMENU) {
        win::Menu menu(CreatePopupMenu());
        AppendMenuW(menu.get(), MF_STRING, idmStop, L"Stop");
        SetForegroundWindow(hwnd());
        TrackPopupMenuEx(menu.get(), TPM_RIGHTBUTTON | GetSystemMetrics(SM_MENUDROPALIGNMENT), GET_X_LPARAM(wParam),
                         GET_Y_LPARAM(wParam), hwnd(), nullptr);
        PostMessageW(hwnd(), WM_NULL, 0, 0);
        return 0;
    }
    return defaultProc(message, wParam, lParam);
}

} // namespace wp::app
