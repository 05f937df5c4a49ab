#include <gtest/gtest.h>

#include <windows.h>

#include "win/event_wait.h"

using wp::win::monotonicMilliseconds;
using wp::win::waitLettingEventsRun;

namespace {

int timerTicks = 0;
void CALLBACK countTick(HWND, UINT, UINT_PTR, DWORD) { ++timerTicks; }

TEST(EventWait, SleepsUntilTheEndTimeRunningEveryEventThatArrives) {
    MSG stale{};
    while (PeekMessageW(&stale, nullptr, 0, 0, PM_REMOVE)) {
    }
    // A wait already over still lets the pending events run once.
    timerTicks = 0;
    const UINT_PTR once = SetTimer(nullptr, 0, 1, countTick);
    Sleep(20);
    waitLettingEventsRun(monotonicMilliseconds() - 5);
    KillTimer(nullptr, once);
    EXPECT_EQ(1, timerTicks);

    // Events arriving during the wait run as they come; the wait ends at its time, not before.
    timerTicks = 0;
    const UINT_PTR ticker = SetTimer(nullptr, 0, 20, countTick);
    const double start = monotonicMilliseconds();
    waitLettingEventsRun(start + 300);
    const double waited = monotonicMilliseconds() - start;
    KillTimer(nullptr, ticker);
    EXPECT_GE(waited, 300.0);
    EXPECT_LT(waited, 400.0);
    EXPECT_GE(timerTicks, 8) << "about 15 ticks of 20 ms";
    EXPECT_LE(timerTicks, 16);

    // Asked to give up, it returns at the next event.
    timerTicks = 0;
    const UINT_PTR stopper = SetTimer(nullptr, 0, 30, countTick);
    const double begun = monotonicMilliseconds();
    waitLettingEventsRun(begun + 30'000, [] { return timerTicks >= 2; });
    KillTimer(nullptr, stopper);
    EXPECT_LT(monotonicMilliseconds() - begun, 1000.0);
    EXPECT_EQ(2, timerTicks);

    // The clock never goes back and resolves well below a millisecond.
    double last = monotonicMilliseconds();
    double smallestStep = 1e9;
    for (int i = 0; i < 10000; ++i) {
        const double now = monotonicMilliseconds();
        ASSERT_GE(now, last);
        if (now > last && now - last < smallestStep) smallestStep = now - last;
        last = now;
    }
    EXPECT_LT(smallestStep, 0.1) << "finer than a tenth of a millisecond";
}

} // namespace
