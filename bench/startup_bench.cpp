#include "startup_bench.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "win/event_wait.h"

namespace {

std::wstring besideThisProgram(const wchar_t* relative) {
    wchar_t self[MAX_PATH]{};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self);
    return path.substr(0, path.find_last_of(L'\\') + 1) + relative;
}

bool hasShownWindow(DWORD processId) {
    struct Search {
        DWORD processId;
        bool found;
    } search{processId, false};
    EnumWindows(
        [](HWND hwnd, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner == s.processId && IsWindowVisible(hwnd)) s.found = true;
            return !s.found;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Milliseconds from CreateProcess to the first visible top-level window of the new process; the
// process is then ended without its closing handling (so the program writes no settings).
double timeToWindow(const std::wstring& program) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION process{};
    const double start = wp::win::monotonicMilliseconds();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    double shown = -1;
    while (wp::win::monotonicMilliseconds() - start < 30'000.0) {
        if (hasShownWindow(process.dwProcessId)) {
            shown = wp::win::monotonicMilliseconds() - start;
            break;
        }
        Sleep(1);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10'000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return shown;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

void benchStartUp(int runs) {
    const std::wstring program = besideThisProgram(L"..\\Wanderpoint.exe");
    const std::wstring minimal = besideThisProgram(L"minimal_window.exe");
    std::vector<double> ours, bare;
    for (int i = 0; i < runs; ++i) { // interleaved, so a busy spell of the machine hits both
        ours.push_back(timeToWindow(program));
        bare.push_back(timeToWindow(minimal));
    }
    if (*std::min_element(ours.begin(), ours.end()) < 0 || *std::min_element(bare.begin(), bare.end()) < 0) {
        std::printf("start-up: a program did not show a window\n");
        return;
    }
    const double a = median(ours), b = median(bare);
    std::printf("start-up to the main window shown: median of %d %.0f ms, the smallest window program %.0f ms: "
                "ratio %.2f (goal <= 1.2)\n",
                runs, a, b, a / b);
}
