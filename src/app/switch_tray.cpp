#include "app/switch_tray.h"

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
        win::showIconMenu(hwnd(), menu.get(), win::iconAnchor(wParam));
        return 0;
    }
    return defaultProc(message, wParam, lParam);
}

} // namespace wp::app
