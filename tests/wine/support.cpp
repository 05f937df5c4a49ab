#include "support.h"

#include "win/handle.h"
#include "win/pump.h"
#include "win/text.h"

namespace wp::test {

void flushEvents(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        win::letPendingEventsRun();
        const ULONGLONG now = GetTickCount64();
        if (now >= end) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
}

std::wstring textOf(HWND hwnd) { return win::windowText(hwnd); }

std::optional<std::wstring> MemorySettings::find(const std::wstring& section, const std::wstring& key) {
    const auto found = values.find({section, key});
    return found == values.end() ? std::nullopt : std::optional(found->second);
}

void MemorySettings::write(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    values[{section, key}] = value;
    writes.push_back(section + L"/" + key + L"=" + value);
}

void RecordingPointer::setCursorPos(std::int32_t x, std::int32_t y) {
    calls.push_back({Call::SetCursorPos, x, y});
    position = {x, y};
    if (onMove) onMove();
}

void RecordingPointer::reportUserInput() { calls.push_back({Call::UserInput, 0, 0}); }

std::vector<POINT> RecordingPointer::moves() const {
    std::vector<POINT> out;
    for (const Call& call : calls)
        if (call.kind == Call::SetCursorPos) out.push_back({call.x, call.y});
    return out;
}

namespace {
// Over the whole desktop, rounded up so that the system's rounding down gives the pixel back.
INPUT absoluteMouse(POINT at, DWORD buttons) {
    const auto normal = [](LONG value, int origin, int size) { return ((value - origin) * 65536 + size - 1) / size; };
    INPUT input{INPUT_MOUSE, {}};
    input.mi = {normal(at.x, GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN)),
                normal(at.y, GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)), 0,
                MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | buttons, 0, 0};
    return input;
}
} // namespace

void queueDrag(POINT from, POINT to) {
    static POINT dragTo;
    static ULONGLONG latest;
    INPUT press = absoluteMouse(from, MOUSEEVENTF_LEFTDOWN);
    dragTo = to, latest = GetTickCount64() + 1000, SendInput(1, &press, sizeof(INPUT));
    SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
        if (!GetCapture() && GetTickCount64() < latest) return;
        INPUT rest[] = {absoluteMouse(dragTo, 0), absoluteMouse(dragTo, MOUSEEVENTF_LEFTUP)};
        KillTimer(nullptr, id), SendInput(2, rest, sizeof(INPUT));
    });
}

void postClick(HWND hwnd, POINT at) {
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    flushEvents(20);
}

void clickControl(HWND window, int id) { SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0); }

void typeInto(HWND window, int id, const std::wstring& text) {
    SendMessageW(GetDlgItem(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void chooseMenu(HWND window, int id) { SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void tick(HWND window, UINT_PTR timerId) { SendMessageW(window, WM_TIMER, timerId, 0); }

void pressKey(UINT virtualKey) {
    const HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(target, WM_KEYUP, virtualKey, 1 | (1u << 30) | (1u << 31));
    flushEvents(20);
}

std::vector<HWND> descendants(HWND window) {
    std::vector<HWND> found;
    EnumChildWindows(
        window, [](HWND child, LPARAM to) { return reinterpret_cast<std::vector<HWND>*>(to)->push_back(child), TRUE; },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<std::string> clippedTexts(const std::vector<HWND>& controls) {
    std::vector<std::string> clipped;
    for (const HWND c : controls) {
        wchar_t name[32]{};
        GetClassNameW(c, name, 32);
        const bool label = lstrcmpiW(name, L"Static") == 0, button = lstrcmpiW(name, L"Button") == 0;
        const std::wstring text = textOf(c);
        const LONG_PTR style = GetWindowLongPtrW(c, GWL_STYLE), type = style & SS_TYPEMASK;
        const LONG_PTR kind = style & BS_TYPEMASK;
        const bool wraps = label ? type <= SS_RIGHT : (style & BS_MULTILINE) != 0;
        if (!IsWindowVisible(c) || (!label && !button) || text.empty()) continue;
        if (label && !wraps && type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP) continue; // a picture
        RECT r{};
        GetClientRect(c, &r);
        const UINT dpi = GetDpiForWindow(c);
        if (button && (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_AUTORADIOBUTTON)) {
            r.right -= MulDiv(13 + 3, static_cast<int>(dpi), 96);
        } else if (button && kind != BS_GROUPBOX) {
            r.right -= 2 * GetSystemMetricsForDpi(SM_CXEDGE, dpi);
            r.bottom -= 2 * GetSystemMetricsForDpi(SM_CYEDGE, dpi);
        }
        const win::WindowDC dc(c);
        const win::SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(c, WM_GETFONT, 0, 0)));
        RECT fit{0, 0, r.right, 0};
        DrawTextW(dc.get(), text.c_str(), -1, &fit, DT_CALCRECT | DT_NOPREFIX | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
        if (fit.right > r.right || fit.bottom > r.bottom)
            clipped.push_back(win::toUtf8(text) + " needs " + std::to_string(fit.right) + "x" + std::to_string(fit.bottom));
    }
    return clipped;
}

} // namespace wp::test
