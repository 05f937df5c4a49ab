#include <gtest/gtest.h>

#include <vector>

#include "mouse/mtyMouse.h"
#include "mouse/win32_mouse_platform.h"
#include "support.h"
#include "win/event_wait.h"
#include "win/pump.h"
#include "win/window_timer.h"

using wp::win::letPendingEventsRun;
using wp::win::monotonicMilliseconds;

namespace {

// Runs the pump for a while and returns the messages it ran that `keep` picks.
template <class Keep> std::vector<UINT> pumpFor(DWORD milliseconds, Keep keep) {
    std::vector<UINT> seen;
    for (const ULONGLONG end = GetTickCount64() + milliseconds; GetTickCount64() < end;) {
        letPendingEventsRun([&](const MSG& msg) { keep(msg) ? seen.push_back(msg.message) : void(); });
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return seen;
}

TEST(WindowTimer, IntervalZeroNeverFiresAndSettingEitherPropertyStartsThePeriodAnew) {
    wp::win::OwnedWindow owner(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, 0));
    wp::win::WindowTimer timer(7);
    timer.attach(owner.get());
    const auto ticksWithin = [](DWORD ms) {
        return pumpFor(ms, [](const MSG& m) { return m.message == WM_TIMER; }).size();
    };
    timer.setEnabled(true);
    EXPECT_EQ(0u, ticksWithin(150)) << "interval 0";
    timer.setInterval(20);
    EXPECT_GE(ticksWithin(200), 3u);
    timer.setEnabled(false);
    EXPECT_EQ(0u, ticksWithin(100)) << "disabled";
    timer.setInterval(300);
    timer.setEnabled(true);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(0u, ticksWithin(180)) << i; // each write below keeps the 300 ms from ever ending
        i % 2 ? timer.setInterval(300) : timer.setEnabled(true);
    }
    EXPECT_GE(ticksWithin(500), 1u);
}

// The button arithmetic is the core's; here what the system makes of what the control sends.
TEST(MouseControl, ClicksArriveAsPressReleasePairsAndDoubleClicks) {
    wp::test::PointerGuard guard;
    wp::win::OwnedWindow target(CreateWindowExW(WS_EX_TOPMOST, L"BUTTON", L"", WS_POPUP | WS_VISIBLE, 200, 200, 200,
                                                150, nullptr, nullptr, nullptr, nullptr)); // takes double clicks
    wp::mouse::Win32MousePlatform platform;
    wp::mouse::MtyMouse mouse(platform);
    SetCursorPos(250, 250);
    wp::test::flushEvents(50);
    for (const int b : {0, 1}) mouse.SingleClick(b);
    for (const int b : {0, 1}) mouse.DoubleClick(b);
    const std::vector<UINT> expected = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN,   WM_RBUTTONUP,
                                        WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP,
                                        WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_RBUTTONUP};
    const auto button = [](const MSG& m) { return m.message > WM_MOUSEMOVE && m.message <= WM_MBUTTONDBLCLK; };
    EXPECT_EQ(expected, pumpFor(200, button));
}

int ticks = 0;
void CALLBACK countTick(HWND, UINT, UINT_PTR, DWORD) { ++ticks; }

// Only bounds that a slow machine cannot break: never early, events run, an abandon or a quit ends it.
TEST(EventWait, RunsTheEventsAndEndsNotBeforeItsTimeOrWhenAbandonedOrQuit) {
    const UINT_PTR ticker = SetTimer(nullptr, 0, 10, countTick);
    Sleep(30);
    wp::win::waitLettingEventsRun(monotonicMilliseconds() - 5);
    EXPECT_EQ(1, ticks) << "a wait already over still runs what is pending, once";
    const double start = monotonicMilliseconds();
    wp::win::waitLettingEventsRun(start + 200);
    EXPECT_GE(monotonicMilliseconds() - start, 200.0);
    EXPECT_GE(ticks, 3) << "the timer ran during the wait";
    ticks = 0;
    wp::win::waitLettingEventsRun(monotonicMilliseconds() + 60'000, [] { return ticks >= 2; });
    EXPECT_EQ(2, ticks) << "abandoned at the event that asked";
    KillTimer(nullptr, ticker);
    PostQuitMessage(3); // last here: the quit stays seen for the rest of the process
    wp::win::waitLettingEventsRun(monotonicMilliseconds() + 60'000);
    MSG quit{};
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && quit.wParam == 3) << "ended, kept queued";
}

} // namespace
