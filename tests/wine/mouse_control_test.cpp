#include <gtest/gtest.h>

#include <vector>

#include "mouse/mtyMouse.h"
#include "mouse/win32_mouse_platform.h"
#include "support.h"
#include "win/handle.h"
#include "win/pump.h"

namespace {

// The button arithmetic is the core's; here what the system makes of what the control sends.
TEST(MouseControl, ClicksArriveAsPressReleasePairsAndDoubleClicks) {
    wp::test::PointerGuard guard;
    // A button: its class takes double clicks.
    wp::win::OwnedWindow target(CreateWindowExW(WS_EX_TOPMOST, L"BUTTON", L"", WS_POPUP | WS_VISIBLE, 200, 200, 200,
                                                150, nullptr, nullptr, nullptr, nullptr));
    wp::mouse::Win32MousePlatform platform;
    wp::mouse::MtyMouse mouse(platform);
    ASSERT_TRUE(mouse.create(target.get(), 42, wp::win::Dpi{96}, 150, 90));
    RECT before{}, after{};
    GetWindowRect(mouse.hwnd(), &before);
    MoveWindow(mouse.hwnd(), 10, 20, 200, 300, TRUE);
    GetWindowRect(mouse.hwnd(), &after);
    EXPECT_EQ(before.right - before.left, after.right - after.left) << "the control keeps its size";
    EXPECT_EQ(before.bottom - before.top, after.bottom - after.top);

    SetCursorPos(250, 250);
    wp::test::flushEvents(50);
    std::vector<UINT> seen;
    const auto record = [&](const MSG& msg) {
        if (msg.message > WM_MOUSEMOVE && msg.message <= WM_MBUTTONDBLCLK) seen.push_back(msg.message);
    };
    mouse.SingleClick(0);
    mouse.SingleClick(1);
    mouse.DoubleClick(0);
    mouse.DoubleClick(1);
    for (const ULONGLONG end = GetTickCount64() + 200; GetTickCount64() < end; Sleep(5))
        wp::win::letPendingEventsRun(record);
    const std::vector<UINT> expected = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN,   WM_RBUTTONUP,
                                        WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP,
                                        WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_RBUTTONUP};
    EXPECT_EQ(expected, seen);
}

} // namespace
