// Runner throughput and file speed, measured on the real macro window.
#include "macro_bench.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/macro_stand_ins.h"
#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"
#include "mouse/win32_mouse_platform.h"
#include "win/event_wait.h"
#include "win/pump.h"
#include "win/pointer_port.h"

namespace {
using wp::bench::elapsedMs;
using wp::bench::FixedDialogs;
using wp::bench::NoMarker;

POINT moveAt(int i) {
    return {100 + i % 600, 100 + (i * 7) % 500};
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

    // The loops take turns, several rounds each, and each figure is a median: on a shared machine a
    // single pass of each can land one in a busy and the other in a quiet moment. The ratio to the
    // floor is taken within each round, from a floor loop and a run next to each other.
    fill(moves);
    const auto moveLoop = [&](auto afterMove) {
        return elapsedMs([&] {
            for (int i = 0; i < moves; ++i) {
                const POINT p = moveAt(i);
                SetCursorPos(p.x, p.y);
                afterMove();
            }
        });
    };
    constexpr int rounds = 7;
    std::vector<double> bare, floor, run, floorRatio;
    for (int round = 0; round < rounds; ++round) {
        bare.push_back(moveLoop([] {}));
        // The runner's floor: the same moves, each followed by one pass over the pending events,
        // which the runner owes after every entry to stay responsive. Which of the two goes first
        // changes from round to round.
        const auto floorLoop = [&] { floor.push_back(moveLoop([] { wp::win::letPendingEventsRun(); })); };
        if (round % 2 == 0) floorLoop();
        run.push_back(elapsedMs([&] { SendMessageW(macro.control(wp::macro::macro_ids::cmdRun), BM_CLICK, 0, 0); }));
        if (round % 2 != 0) floorLoop();
        floorRatio.push_back(floor.back() / run.back());
    }
    const auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    std::printf("runner: %d MVE entries in %.0f ms (median of %d runs), a plain SetCursorPos loop of the same "
                "moves %.0f ms: ratio %.2f\n",
                moves, median(run), rounds, median(bare), median(bare) / median(run));
    std::printf("  against its floor, the same moves with one pass over pending events each (%.0f ms): "
                "ratio %.2f (goal >= 0.9), from %.2f to %.2f over the rounds\n",
                median(floor), median(floorRatio), *std::min_element(floorRatio.begin(), floorRatio.end()),
                *std::max_element(floorRatio.begin(), floorRatio.end()));

    wchar_t folder[MAX_PATH]{};
    GetTempPathW(MAX_PATH, folder);
    dialogs.name = std::wstring(folder) + L"wanderpoint-bench.cmd";
    fill(records);
    const double save = elapsedMs([&] { SendMessageW(macro.hwnd(), WM_COMMAND, wp::macro::macro_ids::mnuSave, 0); });
    const double open = elapsedMs([&] { SendMessageW(macro.hwnd(), WM_COMMAND, wp::macro::macro_ids::mnuOpen, 0); });
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    std::printf("files: saving %d records %.0f ms, opening them %.0f ms (%ld entries back) (goal <= 1000 ms each)\n",
                records, save, open, static_cast<long>(count));
    DeleteFileW(dialogs.name.c_str());
}
