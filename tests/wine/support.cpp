#include "support.h"

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

std::wstring MemorySettings::read(const std::wstring& section, const std::wstring& key) {
    const auto found = values.find({section, key});
    return found == values.end() ? std::wstring() : found->second;
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
INPUT absoluteMouse(POINT at, DWORD buttons) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
    return input;
}
} // namespace

void queueDrag(POINT from, POINT to) {
    INPUT inputs[] = {absoluteMouse(from, MOUSEEVENTF_LEFTDOWN), absoluteMouse(to, 0),
                      absoluteMouse(to, MOUSEEVENTF_LEFTUP)};
    SendInput(3, inputs, sizeof(INPUT));
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

PointerGuard::PointerGuard() {
    GetCursorPos(&saved_);
    ClipCursor(nullptr);
}

PointerGuard::~PointerGuard() {
    ClipCursor(nullptr);
    SetCursorPos(saved_.x, saved_.y);
}

} // namespace wp::test
