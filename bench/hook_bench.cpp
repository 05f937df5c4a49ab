// The recording's mouse hook against a bare CallNextHookEx hook: a timing hook installed after
// either (so called before it) measures the call down the chain, for button events sent from a
// second thread while this one runs its events, as the macro window does while recording.
#include "hook_bench.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <thread>
#include <vector>

#include "win/event_wait.h"
#include "win/handle.h"
#include "win/pump.h"
#include "win/recording_hooks.h"

namespace {

std::vector<double>* samples = nullptr;

LRESULT CALLBACK timingHook(int code, WPARAM wParam, LPARAM lParam) {
    const double start = wp::win::monotonicMilliseconds();
    const LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
    if (code == HC_ACTION && samples && wParam != WM_MOUSEMOVE)
        samples->push_back(wp::win::monotonicMilliseconds() - start);
    return result;
}

LRESULT CALLBACK bareHook(int code, WPARAM wParam, LPARAM lParam) {
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<double> timeEvents(bool recording, int events) {
    std::vector<double> taken;
    taken.reserve(static_cast<std::size_t>(events));
    std::optional<wp::win::RecordingHooks> hooks;
    wp::win::Hook bare;
    if (recording)
        hooks.emplace();
    else
        bare.reset(SetWindowsHookExW(WH_MOUSE_LL, bareHook, GetModuleHandleW(nullptr), 0));
    wp::win::Hook timing(SetWindowsHookExW(WH_MOUSE_LL, timingHook, GetModuleHandleW(nullptr), 0));
    samples = &taken;
    bool done = false;
    std::thread sender([&done, events] {
        for (int i = 0; i < events; ++i) {
            INPUT input{INPUT_MOUSE};
            input.mi.dwFlags = i % 2 ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_RIGHTDOWN;
            SendInput(1, &input, sizeof input);
            Sleep(1);
        }
        done = true;
    });
    while (!done) {
        wp::win::waitLettingEventsRun(wp::win::monotonicMilliseconds() + 20);
        if (hooks) (void)hooks->take();
    }
    sender.join();
    wp::win::letPendingEventsRun();
    samples = nullptr;
    std::sort(taken.begin(), taken.end());
    return taken;
}

void print(const char* name, const std::vector<double>& t) {
    if (t.empty()) return (void)std::printf("  %s: no events reached the hooks\n", name);
    const auto at = [&t](double q) {
        return t[std::min(t.size() - 1, static_cast<std::size_t>(q * static_cast<double>(t.size())))];
    };
    std::printf("  %s: %zu events, p50 %.4f ms, p99 %.4f ms, max %.4f ms\n", name, t.size(), at(0.5), at(0.99),
                t.back());
}

} // namespace

void benchRecordingHook(int events) {
    // The right button over a window of ours, which does nothing with it.
    const HWND pad = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr,
                                     nullptr, nullptr, nullptr);
    SetCursorPos(20, 20);
    std::printf("time in the mouse hook per button event (goal: recording p99 < 0.2 ms):\n");
    print("recording hook", timeEvents(true, events));
    print("bare CallNextHookEx hook", timeEvents(false, events));
    DestroyWindow(pad);
}
