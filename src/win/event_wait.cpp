#include "win/event_wait.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

#include "win/handle.h"
#include "win/pump.h"

// Older SDK headers (mingw-w64 among them) do not name the flag yet.
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace wp::win {
namespace {

// One timer for the thread; a high-resolution one where the system has it (Windows 10 1803 on).
HANDLE waitTimer() {
    thread_local KernelHandle timer = [] {
        KernelHandle t(CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS));
        if (!t) t.reset(CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS));
        return t;
    }();
    return timer.get();
}

// A day at most per sleep: longer waits just sleep again.
constexpr double longestSleepMilliseconds = 86'400'000.0;

} // namespace

double monotonicMilliseconds() {
    static const double ticksPerMillisecond = [] {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMillisecond;
}

void waitLettingEventsRun(double endMilliseconds, const std::function<bool()>& abandon) {
    letPendingEventsRun();
    const HANDLE timer = waitTimer();
    for (;;) {
        if (quitRequested() || (abandon && abandon())) return;
        const double left = endMilliseconds - monotonicMilliseconds();
        if (!(left > 0)) return;
        const double sleep = std::min(left, longestSleepMilliseconds);
        DWORD timeout = INFINITE;
        LARGE_INTEGER due{};
        due.QuadPart = -static_cast<LONGLONG>(std::ceil(sleep * 10'000.0)); // relative, in 100 ns
        if (!timer || !SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE))
            timeout = static_cast<DWORD>(std::ceil(sleep));
        MsgWaitForMultipleObjectsEx(timer ? 1 : 0, timer ? &timer : nullptr, timeout, QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
        letPendingEventsRun();
    }
}

} // namespace wp::win
