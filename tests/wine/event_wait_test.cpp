#include <gtest/gtest.h>

#include <windows.h>

#include "win/event_wait.h"

using wp::win::monotonicMilliseconds;
using wp::win::waitLettingEventsRun;

namespace {

int ticks = 0;
void CALLBACK countTick(HWND, UINT, UINT_PTR, DWORD) { ++ticks; }

// Only bounds that a slow machine cannot break: never early, events run, an abandon ends it.
TEST(EventWait, RunsTheEventsAndEndsNotBeforeItsTimeOrWhenAbandoned) {
    const UINT_PTR ticker = SetTimer(nullptr, 0, 10, countTick);
    Sleep(30);
    waitLettingEventsRun(monotonicMilliseconds() - 5);
    EXPECT_EQ(1, ticks) << "a wait already over still runs what is pending, once";

    const double start = monotonicMilliseconds();
    waitLettingEventsRun(start + 200);
    EXPECT_GE(monotonicMilliseconds() - start, 200.0);
    EXPECT_GE(ticks, 3) << "the timer ran during the wait";

    ticks = 0;
    waitLettingEventsRun(monotonicMilliseconds() + 60'000, [] { return ticks >= 2; });
    EXPECT_EQ(2, ticks) << "abandoned at the event that asked";
    KillTimer(nullptr, ticker);
}

} // namespace
