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

// The last milliseconds of a wait are slept in steps of Sleep(1), with the events run after each.
// Under Wine every wait on a handle goes through its server, which wakes a millisecond or more late
// (often several under load), while Sleep stays in the process and keeps time well. On Windows
// Sleep(1) can last a whole scheduler tick: a Sleep that overshoots three times in a row hands the
// final stretch to the high-resolution timer for good.
constexpr double finalStretchMilliseconds = 4.0;
constexpr double coarseSleepMilliseconds = 4.0;
thread_local int coarseSleepsInARow = 0;

bool sleepIsFine() { return coarseSleepsInARow < 3; }

void sleepOneMillisecond() {
    const double start = monotonicMilliseconds();
    Sleep(1);
    coarseSleepsInARow = monotonicMilliseconds() - start >= coarseSleepMilliseconds ? coarseSleepsInARow + 1 : 0;
}

// Arms the timer for the time left; waits for it, and for any event when events may wake the wait.
void sleepOnTimer(HANDLE timer, double milliseconds, bool wakeOnEvents) {
    DWORD timeout = INFINITE;
    LARGE_INTEGER due{};
    due.QuadPart = -static_cast<LONGLONG>(std::ceil(milliseconds * 10'000.0)); // relative, in 100 ns
    if (!timer || !SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE))
        timeout = static_cast<DWORD>(std::ceil(milliseconds));
    const DWORD count = timer ? 1 : 0;
    if (wakeOnEvents)
        MsgWaitForMultipleObjectsEx(count, timer ? &timer : nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    else if (timer && timeout == INFINITE) WaitForSingleObject(timer, INFINITE);
    else Sleep(timeout);
}

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
        if (left > finalStretchMilliseconds)
            sleepOnTimer(timer, std::min(left - finalStretchMilliseconds, longestSleepMilliseconds), true);
        else if (sleepIsFine())
            sleepOneMillisecond();
        else
            sleepOnTimer(timer, left, false);
        letPendingEventsRun();
    }
}

} // namespace wp::win
