// Reads our windows from outside, for the end-to-end scripts (exit code 1: no such window or control):
//   inspector wait|gone TITLE        waits up to 20 s for a visible window with that exact title, or none
//   inspector text TITLE CONTROL     prints a control's text
//   inspector center TITLE CONTROL   prints the screen point at the middle of a control: "x y"
//   inspector close TITLE            posts WM_CLOSE, as the frame's close button does
//   inspector probe LEFT TOP WIDTH HEIGHT LOGFILE [timed|keys]
//       shows a topmost window titled "probe" there for a minute; logs each press and release on
//       it: "down|up x y" for the left button, "rdown|rup x y" for the right, then the time in ms if
//       timed; with keys it takes the keyboard and logs "char XXXX" for each character it gets and
//       "key VK CASW" for each key pressed with Ctrl, Alt, Shift or Win held (a letter each, or -)
// Coordinates are physical pixels: the inspector is DPI aware, like the program.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "app/frmMain_ids.h"
#include "macro/frmMacro_ids.h"
#include "win/text.h"

namespace {

namespace ids = wp::app::main_ids;
namespace macro = wp::macro::macro_ids;
const std::pair<const char*, int> names[] = {
    {"Text3", ids::Text3},   {"Text4", ids::Text4},       {"TimInt", ids::TimInt},          {"Check1", ids::Check1},
    {"Image2", ids::Image2}, {"cmdMacro", ids::cmdMacro}, {"lstCommand", macro::lstCommand},
    {"Command3", ids::Command3}, {"Label5", ids::Label5}};

HWND findVisible(const char* title) {
    const HWND window = FindWindowW(nullptr, wp::win::toWide(title).c_str());
    return window && IsWindowVisible(window) ? window : nullptr;
}

HWND findControl(HWND window, const char* name) {
    for (const auto& [known, id] : names)
        if (window && std::strcmp(known, name) == 0) return GetDlgItem(window, id);
    return nullptr;
}

FILE* probeLog = nullptr;
bool probeTimed = false;

LRESULT CALLBACK probeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const char* what = message == WM_LBUTTONDOWN ? "down" : message == WM_LBUTTONUP ? "up"
                       : message == WM_RBUTTONDOWN ? "rdown" : message == WM_RBUTTONUP ? "rup" : nullptr;
    if (what) {
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(hwnd, &at);
        std::fprintf(probeLog, "%s %ld %ld", what, at.x, at.y);
        if (probeTimed) std::fprintf(probeLog, " %ld", GetMessageTime());
        std::fputs("\n", probeLog);
        std::fflush(probeLog);
    }
    const auto held = [](int vk) { return GetKeyState(vk) < 0; };
    const bool withModifier = held(VK_CONTROL) || held(VK_MENU) || held(VK_LWIN) || held(VK_RWIN);
    const bool modifier = wParam == VK_SHIFT || wParam == VK_CONTROL || wParam == VK_MENU || wParam == VK_LWIN;
    if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && withModifier && !modifier)
        std::fprintf(probeLog, "key %02X %c%c%c%c\n", static_cast<unsigned>(wParam), held(VK_CONTROL) ? 'C' : '-',
                     held(VK_MENU) ? 'A' : '-', held(VK_SHIFT) ? 'S' : '-', held(VK_LWIN) || held(VK_RWIN) ? 'W' : '-');
    if (message == WM_CHAR || message == WM_SYSCHAR) std::fprintf(probeLog, "char %04X\n", static_cast<unsigned>(wParam));
    std::fflush(probeLog);
    if (message == WM_TIMER) PostQuitMessage(0);
    if (message == WM_SYSKEYDOWN || message == WM_SYSCHAR) return 0; // no menu of its own to open
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

int probe(char** argv) {
    probeLog = std::fopen(argv[6], "w");
    probeTimed = argv[7] && std::strcmp(argv[7], "timed") == 0;
    WNDCLASSW wc{};
    wc.lpfnWndProc = probeProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"WanderpointProbe";
    const HWND hwnd = CreateWindowExW(WS_EX_TOPMOST, MAKEINTATOM(RegisterClassW(&wc)), L"probe", WS_POPUP | WS_VISIBLE,
                                      std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                                      nullptr, nullptr, nullptr, nullptr);
    if (!hwnd || !probeLog || !SetTimer(hwnd, 1, 60000, nullptr)) return 1;
    if (argv[7] && std::strcmp(argv[7], "keys") == 0) SetForegroundWindow(hwnd), SetFocus(hwnd);
    for (MSG msg{}; GetMessageW(&msg, nullptr, 0, 0) > 0;) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    if (argc < 3) return 2;
    const std::string command = argv[1];
    if (command == "probe" && argc > 6) return probe(argv);
    if (command == "wait" || command == "gone") {
        for (const ULONGLONG end = GetTickCount64() + 20000; !findVisible(argv[2]) == (command == "wait"); Sleep(50))
            if (GetTickCount64() >= end) return 1;
        return 0;
    }
    const HWND window = findVisible(argv[2]);
    if (command == "close") return window && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    const HWND control = argc > 3 ? findControl(window, argv[3]) : nullptr;
    RECT r{};
    if (!control || !GetWindowRect(control, &r)) return 1;
    if (command == "center") std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    wchar_t text[1024]{}; // GetWindowText would not ask another process's edit box
    if (command == "text" && SendMessageW(control, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text)) >= 0)
        std::printf("%s\n", wp::win::toUtf8(text).c_str());
    return command == "center" || command == "text" ? 0 : 2;
}
