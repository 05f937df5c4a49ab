#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

#include "mouse/mtyMouse.h"
#include "mouse/win32_mouse_platform.h"
#include "support.h"
#include "win/handle.h"

using wp::mouse::MtyMouse;
using wp::mouse::Win32MousePlatform;
using wp::test::flushEvents;

// For comparing and printing rectangles in expectations; found by argument lookup on RECT.
[[maybe_unused]] static bool operator==(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}
static bool operator==(const POINT& a, const POINT& b) {
    return a.x == b.x && a.y == b.y;
}
static void PrintTo(const POINT& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}
static void PrintTo(const RECT& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

// A topmost popup that logs the button messages it receives and can run code on a timer.
class Probe final : public wp::win::Window {
public:
    std::vector<UINT> buttonMessages;
    std::function<void()> onTimer;

    explicit Probe(RECT at) {
        CreateArgs args;
        args.exStyle = WS_EX_TOPMOST;
        args.style = WS_POPUP | WS_VISIBLE;
        args.x = at.left;
        args.y = at.top;
        args.width = at.right - at.left;
        args.height = at.bottom - at.top;
        create(ClassInfo{L"WanderpointMouseProbe", CS_DBLCLKS}, args);
        UpdateWindow(hwnd());
    }
    ~Probe() override { destroy(); }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message > WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK) buttonMessages.push_back(message);
        if (message == WM_TIMER && onTimer) onTimer();
        return defaultProc(message, wParam, lParam);
    }
};

POINT cursor() {
    POINT p{};
    GetCursorPos(&p);
    return p;
}

TEST(MouseControl, KeepsItsSizeWhenMoved) {
    Probe host({40, 40, 540, 140});
    Win32MousePlatform platform;
    MtyMouse mouse(platform);
    ASSERT_TRUE(mouse.create(host.hwnd(), 42, wp::win::Dpi{96}, 416, 8));
    RECT before{}, after{};
    GetWindowRect(mouse.hwnd(), &before);
    MoveWindow(mouse.hwnd(), 10, 20, 200, 300, TRUE);
    GetWindowRect(mouse.hwnd(), &after);
    EXPECT_EQ(before.right - before.left, after.right - after.left);
    EXPECT_EQ(before.bottom - before.top, after.bottom - after.top);
    EXPECT_EQ(before.left - 406, after.left) << "moved";
}

TEST(MouseControl, MovesTheRealPointer) {
    wp::test::PointerGuard guard;
    Probe host({50, 300, 550, 400});
    Win32MousePlatform platform;
    MtyMouse mouse(platform);
    ASSERT_TRUE(mouse.create(host.hwnd(), 42, wp::win::Dpi{96}, 416, 8));
    // (Twips and the other units are the core's.)
    mouse.ScreenMousePosX(1, 300);
    mouse.ScreenMousePosY(1, 200);
    EXPECT_EQ((POINT{300, 200}), cursor());

    EXPECT_EQ(250, mouse.hWndMousePosX(host.hwnd(), 1));
    EXPECT_EQ(-100, mouse.hWndMousePosY(host.hwnd(), 1)) << "above the window";

    SetCursorPos(50 + 416 + 12, 300 + 8 + 20);
    EXPECT_EQ(mouse.hwnd(), mouse.MouseOverHwnd());
    SetCursorPos(60, 310);
    EXPECT_EQ(host.hwnd(), mouse.MouseOverHwnd());
}

TEST(MouseControl, MouseCurveRunsUntilAHandlerStopsIt) {
    wp::test::PointerGuard guard;
    Probe host({0, 0, 100, 100});
    Win32MousePlatform platform;
    MtyMouse mouse(platform);
    ASSERT_TRUE(mouse.create(host.hwnd(), 42, wp::win::Dpi{96}, 10, 10));
    SetCursorPos(800, 600);
    int ticks = 0;
    std::vector<POINT> seen;
    host.onTimer = [&] {
        seen.push_back(cursor());
        if (++ticks == 3) mouse.MouseCurve(false);
    };
    SetTimer(host.hwnd(), 1, 100, nullptr);
    const ULONGLONG start = GetTickCount64();
    mouse.MouseCurve(true);
    const ULONGLONG took = GetTickCount64() - start;
    KillTimer(host.hwnd(), 1);
    EXPECT_EQ(3, ticks) << "the timer ran inside the curve's yields, and its stop ended the run";
    EXPECT_LT(took, 5000u);
    ASSERT_EQ(3u, seen.size());
    EXPECT_NE((POINT{800, 600}), seen[0]) << "the pointer left its start";
    EXPECT_NE(seen[1], seen[2]) << "and kept moving";
}

TEST(MouseControl, ButtonsArriveAsPressReleasePairsAndDoubleClicks) {
    wp::test::PointerGuard guard;
    Probe probe({200, 200, 400, 350});
    Win32MousePlatform platform;
    MtyMouse mouse(platform);
    ASSERT_TRUE(mouse.create(probe.hwnd(), 42, wp::win::Dpi{96}, 150, 100));
    ASSERT_EQ(0, GetSystemMetrics(SM_SWAPBUTTON));
    SetCursorPos(250, 250);
    flushEvents(50);
    probe.buttonMessages.clear();

    mouse.SingleClick(0);
    mouse.SingleClick(1);
    mouse.SingleClick(2);
    mouse.DoubleClick(0);
    mouse.DoubleClick(1);
    flushEvents(200);
    const std::vector<UINT> expected = {WM_LBUTTONDOWN,   WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP,
                                        WM_MBUTTONDOWN,   WM_MBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP,
                                        WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP,
                                        WM_RBUTTONDBLCLK, WM_RBUTTONUP};
    EXPECT_EQ(expected, probe.buttonMessages);
}

TEST(MouseControl, LimitCursorConfinesAndLimitCursorOffFrees) {
    wp::test::PointerGuard guard;
    Win32MousePlatform platform;
    MtyMouse mouse(platform);
    RECT clip{};

    mouse.LimitCursor(0, 0, 1500, 3000, 0);
    GetClipCursor(&clip);
    ASSERT_EQ((RECT{0, 0, 200, 100}), clip) << "under Wine, confining needs XInput2 (libXi.so.6)";
    SetCursorPos(500, 500);
    EXPECT_EQ((POINT{199, 99}), cursor());

    mouse.LimitCursorOff();
    GetClipCursor(&clip);
    const RECT desktop{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                       GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                       GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    EXPECT_EQ(desktop, clip);
    SetCursorPos(1000, 800);
    EXPECT_EQ((POINT{1000, 800}), cursor());
}

} // namespace
