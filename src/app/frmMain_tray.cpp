// The main window in the notification area: the icon, its tip and menu, and hiding the window
// into it when minimized.
#include "app/frmMain.h"
#include "app/frmMain_ids.h"
#include "res/resource.h"
#include "win/text.h"

namespace wp::app {
namespace ids = main_ids;

void FrmMain::addTrayIcon() {
    trayIcon.add(hwnd(), trayMessage, win::smallIcon(hwnd(), IDI_WANDERPOINT), L"");
    updateTrayTip();
}

// While a macro plays, the tip tells where it stands rather than the cycle's state.
void FrmMain::updateTrayTip() {
    if (!macroPlaying_.empty()) return trayIcon.setTip(macroPlaying_);
    trayIcon.setTip(win::toWide(switchingTip(Timer1.enabled(), win::toUtf8(TimInt.text()), bAtPosition1 ? 2 : 1)));
}

void FrmMain::showMacroPlaying(const std::wstring& what) {
    macroPlaying_ = what;
    if (exists()) updateTrayTip();
}

win::Menu FrmMain::trayMenu() const {
    win::Menu menu(CreatePopupMenu());
    if (!macroPlaying_.empty()) {
        AppendMenuW(menu.get(), MF_STRING, idmTrayStopMacro, L"Stop the macro");
        AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    }
    AppendMenuW(menu.get(), MF_STRING, idmTrayStartStop, Timer1.enabled() ? L"Stop moving" : L"Start moving");
    AppendMenuW(menu.get(), MF_STRING, idmTrayShow, L"Show Wanderpoint");
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    // The system menu's check items, as they read and stand there.
    const HMENU systemMenu = GetSystemMenu(hwnd(), FALSE);
    for (const UINT id : {idmPauseWhileActive, idmHideWhenMinimized, idmStartWithWindows}) {
        wchar_t text[80]{};
        const UINT state = GetMenuState(systemMenu, id, MF_BYCOMMAND);
        if (state == static_cast<UINT>(-1) || !GetMenuStringW(systemMenu, id, text, 80, MF_BYCOMMAND)) continue;
        AppendMenuW(menu.get(), MF_STRING | (state & MF_CHECKED), id, text);
    }
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu.get(), MF_STRING, idmTrayExit, L"Exit");
    SetMenuDefaultItem(menu.get(), idmTrayShow, FALSE);
    return menu;
}

// Version 4 callbacks: the event in the low word, the anchor (the click, or the icon for the
// keyboard) in wParam.
void FrmMain::trayIcon_Callback(WPARAM anchor, LPARAM event) {
    switch (LOWORD(event)) {
    case WM_CONTEXTMENU: {
        showStartWithWindows();
        const win::Menu menu = trayMenu();
        if (deps_.showTrayMenu) return deps_.showTrayMenu(menu.get(), win::iconAnchor(anchor));
        return win::showIconMenu(hwnd(), menu.get(), win::iconAnchor(anchor));
    }
    case NIN_SELECT:
    case NIN_KEYSELECT:
    case WM_LBUTTONDBLCLK:
        return mnuTrayShow_Click();
    default:
        return;
    }
}

void FrmMain::mnuTrayStartStop_Click() { Command3_Click(); }

void FrmMain::mnuTrayShow_Click() {
    ShowWindow(hwnd(), IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(hwnd());
}

// As the frame's close button: the settings are saved and the program ends.
void FrmMain::mnuTrayExit_Click() { SendMessageW(hwnd(), WM_CLOSE, 0, 0); }

void FrmMain::mnuHideWhenMinimized_Click() { setHideWhenMinimized(!hideWhenMinimized_); }

void FrmMain::setHideWhenMinimized(bool hide) {
    hideWhenMinimized_ = hide;
    CheckMenuItem(GetSystemMenu(hwnd(), FALSE), idmHideWhenMinimized, MF_BYCOMMAND | (hide ? MF_CHECKED : MF_UNCHECKED));
}

} // namespace wp::app
