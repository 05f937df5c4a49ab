// The main window's "Start with Windows" item, in its system menu and its icon's menu, and the
// system menu's commands.
#include "app/frmMain.h"
#include "app/start_with_windows.h"

namespace wp::app {

// A system menu command of ours; false for the system's own.
bool FrmMain::systemMenuCommand(UINT id) {
    if (id == idmPauseWhileActive)
        mnuPauseWhileActive_Click();
    else if (id == idmHideWhenMinimized)
        mnuHideWhenMinimized_Click();
    else if (id == idmStartWithWindows && deps_.startWithWindows)
        mnuStartWithWindows_Click();
    else
        return false;
    return true;
}

void FrmMain::addStartWithWindows() {
    if (!deps_.startWithWindows) return;
    AppendMenuW(GetSystemMenu(hwnd(), FALSE), MF_STRING, idmStartWithWindows, L"Start with Windows");
    form_.onCommand(idmStartWithWindows, [this] { mnuStartWithWindows_Click(); });
    showStartWithWindows();
}

// The value is read again each time a menu shows it: another copy, or the uninstall, may have
// changed it since.
void FrmMain::showStartWithWindows() {
    if (!deps_.startWithWindows) return;
    const StartWithWindows state = startWithWindows(*deps_.startWithWindows);
    const wchar_t* text =
        state == StartWithWindows::AnotherCopy ? L"Start with Windows (another copy)" : L"Start with Windows";
    ModifyMenuW(GetSystemMenu(hwnd(), FALSE), idmStartWithWindows,
                MF_BYCOMMAND | MF_STRING | (state == StartWithWindows::ThisCopy ? MF_CHECKED : MF_UNCHECKED),
                idmStartWithWindows, text);
}

// Ticked while it starts this copy. For another copy it shows unticked: the user who ticks it here
// asks for this copy, so the value then names this one.
void FrmMain::mnuStartWithWindows_Click() {
    setStartWithWindows(*deps_.startWithWindows,
                        startWithWindows(*deps_.startWithWindows) != StartWithWindows::ThisCopy);
    showStartWithWindows();
}

} // namespace wp::app
