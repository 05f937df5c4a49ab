#include "file_bench.h"

#include <windows.h>

#include <psapi.h> // GetProcessMemoryInfo is K32GetProcessMemoryInfo from kernel32 here

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

#include "core/macro_file.h"
#include "bench/macro_stand_ins.h"
#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"
#include "macro/macro_file_io.h"
#include "mouse/win32_mouse_platform.h"
#include "win/event_wait.h"
#include "win/pointer_port.h"
#include "win/pump.h"
#include "win/text.h"

namespace {
using wp::bench::FixedDialogs;
using wp::bench::NoMarker;

// Wine fills in no PrivateUsage; its working set is the process's resident memory.
double residentMegabytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
}

std::string repeated(const std::string& part, std::size_t times) {
    std::string bytes;
    bytes.reserve(part.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        bytes += part;
    return bytes;
}

std::string utf16Le(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    bytes.reserve(2 + 2 * ascii.size());
    for (char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

} // namespace

void benchMacroFileShapes() {
    wp::win::SystemPointer pointer;
    wp::mouse::Win32MousePlatform mouse;
    NoMarker marker;
    FixedDialogs dialogs;
    wp::macro::FrmMacro macro({pointer, mouse, marker, dialogs, nullptr, nullptr, [](int) -> SHORT { return 0; }});
    macro.show(SW_SHOWNOACTIVATE);
    const HWND list = macro.control(wp::macro::macro_ids::lstCommand);
    wchar_t folder[MAX_PATH]{};
    GetTempPathW(MAX_PATH, folder);
    dialogs.name = std::wstring(folder) + L"wanderpoint-bench-shape.cmd";

    const wp::macro::MacroFileLimits limits;
    const std::size_t most = limits.entries, longest = limits.entryLength;
    const std::size_t cap = wp::macro::largestMacroFile;
    const std::string record = "\"MVE 100,200\"\r\n";
    const struct {
        const char* name;
        std::string bytes;
    } shapes[] = {
        {"empty entries (commas), as many as allowed", std::string(most, ',')},
        {"one comma more", std::string(most + 1, ',')},
        {"16 MB of commas", std::string(cap, ',')},
        {"MVE records, as many as allowed", repeated(record, most)},
        {"16 MB of MVE records", repeated(record, cap / record.size())},
        {"as many entries as allowed, as long as 16 MB lets",
         repeated(std::string(cap / most - 2, 'x') + "\r\n", most)},
        {"entries as long as allowed, up to 16 MB", repeated(std::string(longest, 'x') + "\r\n", cap / (longest + 2))},
        {"one entry of 16 MB", std::string(cap, 'x')},
        {"UTF-16 MVE records, as many as allowed", utf16Le(repeated(record, most))},
        {"16 MB of UTF-16 commas", utf16Le(std::string(cap / 2 - 1, ','))},
    };
    std::printf("macro files of every shape under the 16 MB cap, opened on the window until painted "
                "(at most %zu entries of %zu characters; goal <= 2000 ms, <= 300 MB):\n",
                most, longest);
    for (const auto& shape : shapes) {
        {
            std::ofstream out(wp::win::toUtf8(dialogs.name), std::ios::binary);
            out << shape.bytes;
        }
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        wp::win::letPendingEventsRun();
        const double before = residentMegabytes();
        std::atomic<bool> done = false;
        double peak = before;
        std::thread sampler([&] {
            while (!done) {
                peak = std::max(peak, residentMegabytes());
                Sleep(2);
            }
        });
        const double start = wp::win::monotonicMilliseconds();
        SendMessageW(macro.hwnd(), WM_COMMAND, wp::macro::macro_ids::mnuOpen, 0);
        UpdateWindow(macro.hwnd());
        wp::win::letPendingEventsRun();
        const double ms = wp::win::monotonicMilliseconds() - start;
        done = true;
        sampler.join();
        const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        std::printf("  %-52s %5.1f MB: %6.0f ms, peak +%4.0f MB, %s\n", shape.name,
                    static_cast<double>(shape.bytes.size()) / (1024.0 * 1024.0), ms, peak - before,
                    count > 0 ? ("opened, " + std::to_string(count) + " entries").c_str() : "refused");
    }
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    DeleteFileW(dialogs.name.c_str());
}
