#include "startup_bench.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/frmMain.h"
#include "win/event_wait.h"

namespace {

std::wstring besideThisProgram(const wchar_t* relative) {
    wchar_t self[MAX_PATH]{};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self);
    return path.substr(0, path.find_last_of(L'\\') + 1) + relative;
}

// A top-level window of the process with that title, shown or not.
bool hasWindow(DWORD processId, const wchar_t* title) {
    struct Search {
        DWORD processId;
        const wchar_t* title;
        bool found;
    } search{processId, title, false};
    EnumWindows(
        [](HWND hwnd, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            wchar_t text[64]{};
            if (owner == s.processId && GetWindowTextW(hwnd, text, 64) > 0 && lstrcmpW(text, s.title) == 0)
                s.found = true;
            return !s.found;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Milliseconds from CreateProcess until the new process has a window with the title; the process
// is then ended without its closing handling (so the program writes no settings).
double timeToWindow(const std::wstring& program, const wchar_t* arguments, const wchar_t* title) {
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION process{};
    const double start = wp::win::monotonicMilliseconds();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    double shown = -1;
    while (wp::win::monotonicMilliseconds() - start < 30'000.0) {
        if (hasWindow(process.dwProcessId, title)) {
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

void benchStartUp(int runs, int rounds, const wchar_t* other) {
    const std::wstring program = besideThisProgram(L"..\\Wanderpoint.exe");
    const std::wstring minimal = besideThisProgram(L"minimal_window.exe");
    const wchar_t* title = wp::app::FrmMain::caption;
    struct Measured {
        const wchar_t* name;
        std::wstring program;
        const wchar_t* arguments;
        const wchar_t* title;
        std::vector<double> times;
    };
    std::vector<Measured> measured = {{L"the main window", program, L"", title, {}},
                                      {L"--tray's hidden one", program, L"--tray", title, {}}};
    if (*other) measured.push_back({other, other, L"", title, {}});
    measured.push_back({L"the smallest window program", minimal, L"", L"Minimal", {}});
    std::printf("start-up, from process creation until the window exists (median of %d, alternating):\n", runs);
    for (int round = 1; round <= rounds; ++round) {
        for (Measured& m : measured) m.times.clear();
        for (int i = 0; i < runs; ++i) // interleaved, so a busy spell of the machine hits all alike
            for (Measured& m : measured) m.times.push_back(timeToWindow(m.program, m.arguments, m.title));
        const std::vector<double>& bareTimes = measured.back().times;
        if (*std::min_element(bareTimes.begin(), bareTimes.end()) < 0) {
            std::printf("  round %d: the smallest window program showed no window\n", round);
            continue;
        }
        const double bare = median(bareTimes);
        std::printf("  round %d: the smallest window program %.0f ms;", round, bare);
        for (std::size_t i = 0; i + 1 < measured.size(); ++i) {
            const Measured& m = measured[i];
            if (*std::min_element(m.times.begin(), m.times.end()) < 0)
                std::printf(" %ls: no window;", m.name);
            else
                std::printf(" %ls %.0f ms, ratio %.2f;", m.name, median(m.times), median(m.times) / bare);
        }
        std::printf(" (goal <= 1.1)\n");
    }
}
