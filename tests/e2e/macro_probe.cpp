// Helper of the macro end-to-end test:
//   macro_probe ids                     prints the macro window's control ids as shell assignments
//   macro_probe items TITLE             prints the entries of the command list, one a line
//   macro_probe close TITLE             asks the window to close, as its frame's close button does
//   macro_probe target X Y W H LOGFILE  shows a window "macro probe" there and logs each left
//                                       button press and release as "down|up X Y" (screen pixels)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "macro/frmMacro_ids.h"
#include "win/text.h"

namespace {

namespace ids = wp::macro::macro_ids;

FILE* logFile = nullptr;

LRESULT CALLBACK probeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) {
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(hwnd, &at);
        std::fprintf(logFile, "%s %ld %ld\n", message == WM_LBUTTONDOWN ? "down" : "up", at.x, at.y);
        std::fflush(logFile);
        return 0;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

int target(int x, int y, int width, int height, const char* logName) {
    logFile = std::fopen(logName, "w");
    if (!logFile) return 1;
    WNDCLASSW wc{};
    wc.lpfnWndProc = probeProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_CROSS);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = L"WanderpointMacroProbe";
    RegisterClassW(&wc);
    CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"macro probe", WS_POPUP | WS_VISIBLE, x, y, width, height,
                    nullptr, nullptr, wc.hInstance, nullptr);
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    std::fclose(logFile);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "ids") {
        std::printf("lstCommand=%d cmdAddCmd=%d cmdRemoveCmd=%d cmdRun=%d txtX=%d txtY=%d txtSleep=%d "
                    "optCommands0=%d optCommands6=%d\n",
                    ids::lstCommand, ids::cmdAddCmd, ids::cmdRemoveCmd, ids::cmdRun, ids::txtX, ids::txtY,
                    ids::txtSleep, ids::optCommands0, ids::optCommands6);
        return 0;
    }
    if (command == "items" && argc > 2) {
        const HWND window = FindWindowW(nullptr, wp::win::toWide(argv[2]).c_str());
        const HWND list = window ? GetDlgItem(window, ids::lstCommand) : nullptr;
        if (!list) return 1;
        const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            wchar_t text[1024]{};
            if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < 1024)
                SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            std::printf("%s\n", wp::win::toUtf8(text).c_str());
        }
        return 0;
    }
    if (command == "close" && argc > 2) {
        const HWND window = FindWindowW(nullptr, wp::win::toWide(argv[2]).c_str());
        return window && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    if (command == "target" && argc > 6)
        return target(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), argv[6]);
    std::fprintf(stderr, "usage: macro_probe ids | items TITLE | close TITLE | target X Y W H LOGFILE\n");
    return 2;
}
