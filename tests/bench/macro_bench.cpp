// Runner throughput and file speed, measured on the real macro window.
#include "macro_bench.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"
#include "mouse/win32_mouse_platform.h"
#include "win/event_wait.h"
#include "win/pump.h"
#include "win/pointer_port.h"

namespace {

class NoMarker final : public wp::macro::MarkerPort {
public:
    void show() override {}
    void hide() override {}
    void close() override {}
    bool isLoaded() const override { return false; }
    void moveTopLeft(int, int) override {}
};

// Answers every dialog with one file name.
class FixedDialogs final : public wp::macro::FileDialogs {
public:
    std::wstring name;
    std::optional<std::wstring> showOpen(HWND, const std::wstring&, const std::wstring&) override { return name; }
    std::optional<std::wstring> showSave(HWND, const std::wstring&, const std::wstring&) override { return name; }
};

POINT moveAt(int i) { return {100 + i % 600, 100 + (i * 7) % 500}; }

template <class Work> double elapsedMs(Work work) {
    const double start = wp::win::monotonicMilliseconds();
    work();
    return wp::win::monotonicMilliseconds() - start;
}

} // namespace

void benchMacroWindow(int moves, int records) {
    wp::win::SystemPointer pointer;
    wp::mouse::Win32MousePlatform mouse;
    NoMarker marker;
    FixedDialogs dialogs;
    wp::macro::FrmMacro macro({pointer, mouse, marker, dialogs, nullptr, nullptr, [](int) -> SHORT { return 0; }});
    macro.show(SW_SHOWNOACTIVATE);
    // Away from the moves, as when the pointer is played over other applications.
    SetWindowPos(macro.hwnd(), nullptr, 760, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const HWND list = macro.control(wp::macro::macro_ids::lstCommand);
    // Filling a shown list repaints its scroll bar at every entry.
    auto fill = [list](int count) {
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        SendMessageW(list, LB_INITSTORAGE, static_cast<WPARAM>(count), count * 32);
        for (int i = 0; i < count; ++i) {
            const POINT p = moveAt(i);
            const std::wstring entry = L"MVE " + std::to_wstring(p.x) + L"," + std::to_wstring(p.y);
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        }
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    };

    fill(moves);
    const double baseline = elapsedMs([&] {
        for (int i = 0; i < moves; ++i) {
            const POINT p = moveAt(i);
            SetCursorPos(p.x, p.y);
        }
    });
    // The runner's own floor: the same moves, each reported as input and followed by one pass over
    // the pending events, which the runner owes after every entry to stay responsive.
    const double floor = elapsedMs([&] {
        for (int i = 0; i < moves; ++i) {
            const POINT p = moveAt(i);
            SetCursorPos(p.x, p.y);
            pointer.reportUserInput();
            wp::win::letPendingEventsRun();
        }
    });
    const double run = elapsedMs([&] { macro.cmdRun_Click(); });
    std::printf("runner: %d MVE entries in %.0f ms, a plain SetCursorPos loop of the same moves %.0f ms: "
                "throughput ratio %.2f (goal >= 0.9)\n",
                moves, run, baseline, baseline / run);
    std::printf("  the same loop with the idle report and one pass over pending events per move %.0f ms: "
                "ratio %.2f\n",
                floor, floor / run);

    wchar_t folder[MAX_PATH]{};
    GetTempPathW(MAX_PATH, folder);
    dialogs.name = std::wstring(folder) + L"wanderpoint-bench.cmd";
    fill(records);
    const double save = elapsedMs([&] { macro.mnuSave_Click(); });
    const double open = elapsedMs([&] { macro.mnuOpen_Click(); });
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    std::printf("files: saving %d records %.0f ms, opening them %.0f ms (%ld entries back) (goal <= 1000 ms each)\n",
                records, save, open, static_cast<long>(count));
    DeleteFileW(dialogs.name.c_str());
}
