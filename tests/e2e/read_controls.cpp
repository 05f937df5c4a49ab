// Reads our windows from outside, for the end-to-end scripts:
//   inspector wait TITLE [ms]        waits for a visible window with that exact title
//   inspector gone TITLE [ms]        waits until no such window is left
//   inspector text TITLE CONTROL     prints a control's text (CONTROL: a name or a number)
//   inspector center TITLE CONTROL   prints the screen point at the middle of a control: "x y"
//   inspector items TITLE            prints the entries of the macro window's list, one a line
//   inspector close TITLE            asks the window to close, as its frame's close button does
//   inspector probe LEFT TOP WIDTH HEIGHT LOGFILE [ms [topmost]]
//                                    shows a window titled "probe" there for that long and logs
//                                    each left press and release on it: "down|up x y"
// Coordinates are physical pixels (the inspector is DPI aware, like the program).
// Exit code 0 on success, 1 when the window or control is not there.
// A control is found among all the window's descendants (the side bar holds its own images).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/frmMain_ids.h"
#include "macro/frmMacro_ids.h"
#include "win/text.h"

namespace {

struct Name {
    const char* name;
    int id;
};

namespace ids = wp::app::main_ids;
namespace macro = wp::macro::macro_ids;
const Name names[] = {
    {"lstCommand", macro::lstCommand}, {"cmdAddCmd", macro::cmdAddCmd}, {"cmdRun", macro::cmdRun},
    {"txtX", macro::txtX},             {"txtY", macro::txtY},           {"optCommands0", macro::optCommands0},
    {"Command3", ids::Command3},     {"info", ids::info},         {"Text1", ids::Text1},
    {"Text2", ids::Text2},           {"Text3", ids::Text3},       {"Text4", ids::Text4},
    {"TimInt", ids::TimInt},         {"Check1", ids::Check1},     {"cmdRestoreDefaults", ids::cmdRestoreDefaults},
    {"cmdMacro", ids::cmdMacro},     {"Image1", ids::Image1},     {"Image2", ids::Image2},
    {"Image3", ids::Image3},         {"Image4", ids::Image4},
};

HWND findVisible(const std::wstring& title) {
    struct Search {
        const std::wstring* title;
        HWND found;
    } search{&title, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            wchar_t text[256]{};
            GetWindowTextW(hwnd, text, 256);
            if (IsWindowVisible(hwnd) && *s->title == text) {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int controlId(const char* name) {
    for (const Name& n : names)
        if (std::strcmp(n.name, name) == 0) return n.id;
    return std::atoi(name);
}

HWND findDescendant(HWND window, int id) {
    if (const HWND child = GetDlgItem(window, id)) return child;
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(
        window,
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            if (GetDlgCtrlID(hwnd) != s->id) return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findControl(const std::wstring& title, const char* name) {
    const HWND window = findVisible(title);
    return window ? findDescendant(window, controlId(name)) : nullptr;
}

FILE* probeLog = nullptr;

LRESULT CALLBACK probeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) {
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(hwnd, &at);
        std::fprintf(probeLog, "%s %ld %ld\n", message == WM_LBUTTONDOWN ? "down" : "up", at.x, at.y);
        std::fflush(probeLog);
        return 0;
    }
    if (message == WM_TIMER || message == WM_CLOSE) PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

int probe(int left, int top, int width, int height, const char* logName, UINT limit, bool topmost) {
    probeLog = std::fopen(logName, "w");
    WNDCLASSW wc{};
    wc.lpfnWndProc = probeProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"WanderpointProbe";
    RegisterClassW(&wc);
    const HWND hwnd = CreateWindowExW(topmost ? WS_EX_TOPMOST : 0, wc.lpszClassName, L"probe", WS_POPUP | WS_VISIBLE, left, top,
                                      width, height, nullptr, nullptr, wc.hInstance, nullptr);
    if (!hwnd || !probeLog) return 1;
    SetTimer(hwnd, 1, limit, nullptr);
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    std::fclose(probeLog);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // An unaware process would see every rectangle shrunk to 96 DPI on a scaled display.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    if (argc < 3) {
        std::fprintf(stderr, "usage: inspector wait|gone|text|center|items|close TITLE [CONTROL|ms]\n");
        return 2;
    }
    const std::string command = argv[1];
    if (command == "probe") {
        if (argc < 7) return 2;
        const UINT limit = argc > 7 ? static_cast<UINT>(std::atoi(argv[7])) : 60000;
        return probe(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), argv[6], limit,
                     argc > 8 && std::strcmp(argv[8], "topmost") == 0);
    }
    const std::wstring title = wp::win::toWide(argv[2]);
    if (command == "close") {
        const HWND window = findVisible(title);
        return window && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    if (command == "items") {
        const HWND window = findVisible(title);
        const HWND list = window ? GetDlgItem(window, macro::lstCommand) : nullptr;
        if (!list) return 1;
        for (LRESULT i = 0, count = SendMessageW(list, LB_GETCOUNT, 0, 0); i < count; ++i) {
            wchar_t text[1024]{};
            if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < 1024)
                SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            std::printf("%s\n", wp::win::toUtf8(text).c_str());
        }
        return 0;
    }
    if (command == "wait" || command == "gone") {
        const DWORD limit = argc > 3 ? static_cast<DWORD>(std::atoi(argv[3])) : 10000;
        const ULONGLONG end = GetTickCount64() + limit;
        const bool wantPresent = command == "wait";
        while (((findVisible(title) != nullptr) != wantPresent)) {
            if (GetTickCount64() >= end) return 1;
            Sleep(50);
        }
        return 0;
    }
    if (argc < 4) return 2;
    const HWND control = findControl(title, argv[3]);
    if (!control) return 1;
    if (command == "text") {
        wchar_t text[1024]{};
        SendMessageW(control, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
        std::printf("%s\n", wp::win::toUtf8(text).c_str());
    } else if (command == "center") {
        RECT r{};
        GetWindowRect(control, &r);
        std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    } else {
        return 2;
    }
    return 0;
}
