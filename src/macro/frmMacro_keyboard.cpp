// The macro window's keyboard: Tab in the design's order, and the keys released in it (ESC).
#include <windows.h>

#include <string_view>
#include <vector>

#include "macro/frmMacro.h"

namespace wp::macro {
using win::FormRow;

// Tab follows the design's order, which differs from the controls' stacking (see createControls).
bool FrmMacro::moveFocusInTabOrder(bool backwards) {
    const std::vector<FormRow>& rows = form_.rows();
    const int count = static_cast<int>(rows.size());
    const HWND focus = GetFocus();
    int at = -1;
    for (int i = 0; i < count && at < 0; ++i) {
        const HWND child = control(rows[static_cast<std::size_t>(i)].id);
        if (child == focus || IsChild(child, focus)) at = i;
    }
    for (int step = 1; step <= count; ++step) {
        const int i = ((at < 0 ? (backwards ? count : -1) : at) + (backwards ? -step : step) + 2 * count) % count;
        const HWND next = control(rows[static_cast<std::size_t>(i)].id);
        if (!(GetWindowLongW(next, GWL_STYLE) & WS_TABSTOP) || !IsWindowEnabled(next) || !IsWindowVisible(next))
            continue;
        SetFocus(next);
        if (rows[static_cast<std::size_t>(i)].className == std::wstring_view(L"EDIT"))
            SendMessageW(next, EM_SETSEL, 0, -1);
        return true;
    }
    return false;
}

bool FrmMacro::preTranslateMessage(MSG& msg) {
    if ((msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) && GetActiveWindow() == hwnd()) {
        const int shift = ((GetKeyState(VK_SHIFT) & 0x8000) ? 1 : 0) | ((GetKeyState(VK_CONTROL) & 0x8000) ? 2 : 0) |
                          ((GetKeyState(VK_MENU) & 0x8000) ? 4 : 0);
        Form_KeyUp(static_cast<int>(msg.wParam), shift);
    }
    if (keyBox_.wants(msg)) return false; // the key box takes Tab and Esc as keys
    if (editKey(msg)) return true;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && !(GetKeyState(VK_CONTROL) & 0x8000) &&
        !(GetKeyState(VK_MENU) & 0x8000)) {
        if (moveFocusInTabOrder((GetKeyState(VK_SHIFT) & 0x8000) != 0)) return true;
    }
    return Window::preTranslateMessage(msg);
}

} // namespace wp::macro
