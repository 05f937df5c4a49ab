#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "core/mouse_members.h"
#include "fake_mouse_platform.h"

using wp::mouse::MouseMembers;
using wp::mouse::MouseOverflow;
using wp::test::FakeMousePlatform;
using Log = std::vector<std::string>;

namespace {

TEST(MouseUnits, ConvertThroughEachAxisFactorHalvesToEven) {
    FakeMousePlatform platform;
    platform.twipsX = 12.0f;
    platform.twipsY = 10.0f;
    platform.pointer = {20, 30};
    MouseMembers mouse(platform);
    const struct {
        const char* name;
        std::function<std::int32_t()> call;
        std::int32_t expected;
    } cases[] = {
        {"TwipsToPixelsX 18 (1.5)", [&] { return mouse.TwipsToPixelsX(18); }, 2},
        {"TwipsToPixelsX 6 (0.5)", [&] { return mouse.TwipsToPixelsX(6); }, 0},
        {"TwipsToPixelsX 30 (2.5)", [&] { return mouse.TwipsToPixelsX(30); }, 2},
        {"TwipsToPixelsX 42 (3.5)", [&] { return mouse.TwipsToPixelsX(42); }, 4},
        {"TwipsToPixelsX -18 (-1.5)", [&] { return mouse.TwipsToPixelsX(-18); }, -2},
        {"TwipsToPixelsX 19", [&] { return mouse.TwipsToPixelsX(19); }, 2},
        {"TwipsToPixelsY 25 (2.5)", [&] { return mouse.TwipsToPixelsY(25); }, 2},
        {"TwipsToPixelsY 35 (3.5)", [&] { return mouse.TwipsToPixelsY(35); }, 4},
        {"PixelsToTwipsX 3", [&] { return mouse.PixelsToTwipsX(3); }, 36},
        {"PixelsToTwipsY -7", [&] { return mouse.PixelsToTwipsY(-7); }, -70},
        {"ScreenMousePosX twips", [&] { return mouse.ScreenMousePosX(0); }, 240},
        {"ScreenMousePosY twips", [&] { return mouse.ScreenMousePosY(0); }, 300},
        {"ScreenMousePosX any mode but 0 is pixels", [&] { return mouse.ScreenMousePosX(-1); }, 20},
        {"ScreenMousePosY any other mode is pixels", [&] { return mouse.ScreenMousePosY(-5); }, 30},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, c.call()) << c.name;
}

TEST(MouseArithmetic, ReachesTheRangeEndsExactlyAndKeepsAFractionalFactor) {
    EXPECT_EQ(INT32_MAX, wp::mouse::checkedSum(INT32_MAX - 1, 1));
    EXPECT_EQ(INT32_MIN, wp::mouse::checkedDifference(INT32_MIN + 1, 1));
    EXPECT_EQ(15, wp::mouse::pixelsToTwips(2, 7.5f)) << "192 DPI";
    EXPECT_EQ(10, wp::mouse::twipsToPixels(75, 7.5f));
}

TEST(PointerPosition, SettingInTwipsKeepsTheOtherAxis) {
    FakeMousePlatform platform;
    platform.twipsX = 15.0f;
    platform.twipsY = 12.0f;
    platform.pointer = {7, 9};
    MouseMembers mouse(platform);
    mouse.ScreenMousePosX(0, 300);
    mouse.ScreenMousePosY(0, 300);
    mouse.ScreenMousePosY(1, 5000); // beyond the screen: the platform stops it
    EXPECT_EQ((Log{"SetCursorPos 20 9", "SetCursorPos 20 25", "SetCursorPos 20 5000"}), platform.log);
    EXPECT_EQ((wp::mouse::ScreenPoint{20, 1023}), platform.pointer);
}

TEST(PointerPosition, RelativeToAWindowIsNegativeAboveAndLeftOfIt) {
    FakeMousePlatform platform;
    platform.twipsX = 15.0f;
    platform.twipsY = 12.0f;
    int window = 0;
    platform.windows[&window] = {100, 200, 300, 400};
    platform.pointer = {130, 150};
    MouseMembers mouse(platform);
    EXPECT_EQ(30, mouse.hWndMousePosX(&window, 1));
    EXPECT_EQ(-50, mouse.hWndMousePosY(&window, 1));
    EXPECT_EQ(450, mouse.hWndMousePosX(&window, 0));
    EXPECT_EQ(-600, mouse.hWndMousePosY(&window, 0));
}

TEST(MouseOverflowGuards, ReportInsteadOfWrappingAndChangeNothing) {
    const struct {
        const char* name;
        float twips;
        std::function<void(MouseMembers&)> call;
    } cases[] = {
        {"TwipsToPixelsX beyond the range", 0.5f, [](MouseMembers& m) { m.TwipsToPixelsX(INT32_MAX); }},
        {"TwipsToPixelsY with no factor", 0.0f, [](MouseMembers& m) { m.TwipsToPixelsY(1); }},
        {"TwipsToPixelsX 0 with no factor", 0.0f, [](MouseMembers& m) { m.TwipsToPixelsX(0); }},
        {"PixelsToTwipsY below the range", 15.0f, [](MouseMembers& m) { m.PixelsToTwipsY(INT32_MIN); }},
        {"ScreenMousePosX twips beyond", 0.5f, [](MouseMembers& m) { m.ScreenMousePosX(0, INT32_MAX); }},
        {"LimitCursor twips beyond", 0.5f, [](MouseMembers& m) { m.LimitCursor(0, INT32_MAX, 0, 0, 0); }},
        {"PointToPoint difference", 15.0f, [](MouseMembers& m) { m.PointToPoint(INT32_MIN, 0, INT32_MAX, 0); }},
        {"PointToPoint doubled distance", 15.0f, [](MouseMembers& m) { m.PointToPoint(0, 0, 0, 1 << 30); }},
        {"PointToPoint end position", 15.0f, [](MouseMembers& m) { m.PointToPoint(0, 0, (1 << 30) - 1, 0); }},
        {"hWndMousePosY difference", 15.0f, [](MouseMembers& m) { m.hWndMousePosY(&m, 1); }},
    };
    for (const auto& c : cases) {
        FakeMousePlatform platform;
        platform.twipsX = platform.twipsY = c.twips;
        MouseMembers mouse(platform);
        platform.windows[&mouse] = {0, INT32_MIN, 0, 0};
        EXPECT_THROW(c.call(mouse), MouseOverflow) << c.name;
        EXPECT_TRUE(platform.log.empty()) << c.name;
    }

    FakeMousePlatform platform;
    MouseMembers mouse(platform);
    EXPECT_EQ(2147483640, mouse.PixelsToTwipsX(143165576)) << "the largest value still fits";
    EXPECT_THROW(mouse.PixelsToTwipsX(143165577), MouseOverflow);
    wp::mouse::PointTable table;
    table.start({INT32_MAX, 0});
    EXPECT_THROW(wp::mouse::subdivideCurve(table, {INT32_MAX, 0}, {INT32_MAX, 0}, {0, 0}, {0, 0}, 1), MouseOverflow);
}

TEST(Buttons, PressAndReleaseFlagsPerButtonAndNothingForOthers) {
    const struct {
        const char* name;
        std::function<void(MouseMembers&)> call;
        Log events;
    } cases[] = {
        {"SingleClick left", [](MouseMembers& m) { m.SingleClick(0); }, {"Button 0x2", "Button 0x4"}},
        {"SingleClick right", [](MouseMembers& m) { m.SingleClick(1); }, {"Button 0x8", "Button 0x10"}},
        {"DoubleClick left",
         [](MouseMembers& m) { m.DoubleClick(0); },
         {"Button 0x2", "Button 0x4", "Button 0x2", "Button 0x4"}},
        {"DoubleClick right",
         [](MouseMembers& m) { m.DoubleClick(1); },
         {"Button 0x8", "Button 0x10", "Button 0x8", "Button 0x10"}},
        {"ButtonDown middle", [](MouseMembers& m) { m.ButtonDown(2); }, {"Button 0x20"}},
        {"ButtonUp middle", [](MouseMembers& m) { m.ButtonUp(2); }, {"Button 0x40"}},
        {"SingleClick 3", [](MouseMembers& m) { m.SingleClick(3); }, {}},
        {"ButtonDown -1", [](MouseMembers& m) { m.ButtonDown(-1); }, {}},
        {"ButtonUp 3", [](MouseMembers& m) { m.ButtonUp(3); }, {}},
        {"DoubleClick lowest", [](MouseMembers& m) { m.DoubleClick(INT32_MIN); }, {}},
    };
    for (const auto& c : cases) {
        FakeMousePlatform platform;
        MouseMembers mouse(platform);
        c.call(mouse);
        EXPECT_EQ(c.events, platform.log) << c.name;
    }
}

TEST(CursorVisible, DrivesTheDisplayCounterToShownOrHidden) {
    enum class Call { Read, Show, Hide };
    const struct {
        const char* name;
        std::int32_t counter;
        Call call;
        Log calls;
        std::int32_t counterAfter;
        bool read;
    } cases[] = {
        {"show from 5",
         5,
         Call::Show,
         {"ShowCursor -> 6", "ShowCursor -> 5", "ShowCursor -> 4", "ShowCursor -> 3", "ShowCursor -> 2",
          "ShowCursor -> 1", "ShowCursor -> 0"},
         0,
         false},
        {"show from -3",
         -3,
         Call::Show,
         {"ShowCursor -> -2", "ShowCursor -> -1", "ShowCursor -> 0", "ShowCursor -> 1", "ShowCursor -> 0"},
         0,
         false},
        {"show when shown still steps", 0, Call::Show, {"ShowCursor -> 1", "ShowCursor -> 0"}, 0, false},
        {"hide from 0", 0, Call::Hide, {"ShowCursor -> -1", "ShowCursor -> -2", "ShowCursor -> -1"}, -1, false},
        {"hide when hidden still steps", -1, Call::Hide, {"ShowCursor -> -2", "ShowCursor -> -1"}, -1, false},
        {"read shown", 0, Call::Read, {"ShowCursor -> 1", "ShowCursor -> 0"}, 0, true},
        {"read hidden", -1, Call::Read, {"ShowCursor -> 0", "ShowCursor -> -1"}, -1, false},
    };
    for (const auto& c : cases) {
        FakeMousePlatform platform;
        platform.cursorCounter = c.counter;
        MouseMembers mouse(platform);
        bool read = false;
        if (c.call == Call::Read)
            read = mouse.CursorVisible();
        else
            mouse.CursorVisible(c.call == Call::Show);
        EXPECT_EQ(c.calls, platform.log) << c.name;
        EXPECT_EQ(c.counterAfter, platform.cursorCounter) << c.name;
        EXPECT_EQ(c.read, read) << c.name;
    }
}

TEST(LimitCursor, TakesTopLeftBottomRightInTwipsOrPixels) {
    const struct {
        const char* name;
        float twipsX, twipsY;
        std::int32_t top, left, bottom, right, mode;
        const char* clip;
    } cases[] = {
        {"twips at 15", 15, 15, 0, 0, 1500, 3000, 0, "ClipCursor 0 0 200 100"},
        {"twips per axis", 15, 12, 120, 150, 1200, 3000, 0, "ClipCursor 10 10 200 100"},
        {"pixels", 15, 12, 10, 20, 30, 40, 1, "ClipCursor 20 10 40 30"},
        {"any other mode is pixels", 15, 12, 10, 20, 30, 40, -1, "ClipCursor 20 10 40 30"},
    };
    for (const auto& c : cases) {
        FakeMousePlatform platform;
        platform.twipsX = c.twipsX;
        platform.twipsY = c.twipsY;
        MouseMembers mouse(platform);
        mouse.LimitCursor(c.top, c.left, c.bottom, c.right, c.mode);
        EXPECT_EQ(Log{c.clip}, platform.log) << c.name;
    }

    FakeMousePlatform platform;
    MouseMembers mouse(platform);
    mouse.LimitCursor(0, 0, 1500, 3000, 0);
    mouse.ScreenMousePosX(1, 500);
    EXPECT_EQ(199, platform.pointer.x);
    mouse.LimitCursorOff();
    EXPECT_FALSE(platform.confinement.has_value());
    mouse.ScreenMousePosX(1, 500);
    EXPECT_EQ(500, platform.pointer.x);
}

TEST(SystemServices, ReadAndChangeTheSettings) {
    FakeMousePlatform platform;
    MouseMembers mouse(platform);
    for (const auto& [metric, present] : {std::pair{1, true}, {2, false}, {0, false}, {-1, false}}) {
        platform.metrics[19] = metric;
        EXPECT_EQ(present, mouse.MousePresent()) << "metric " << metric;
    }
    platform.metrics = {{43, 5}, {13, 32}, {14, 48}};
    EXPECT_EQ(5, mouse.MouseButtons());
    EXPECT_EQ(32, mouse.CursorWidth());
    EXPECT_EQ(48, mouse.CursorHeight());
    EXPECT_FALSE(mouse.SwapMouseBtn());
    mouse.SwapMouseBtn(true);
    EXPECT_TRUE(mouse.SwapMouseBtn());
    platform.metrics[23] = 7;
    EXPECT_TRUE(mouse.SwapMouseBtn()) << "any non-zero metric means swapped";

    EXPECT_FALSE(mouse.NewCursor());
    EXPECT_FALSE(mouse.NewCursor(L"C:\\arrow.cur"));
    for (std::int16_t trails :
         {std::int16_t{-1}, std::int16_t{8}, std::int16_t{INT16_MIN}, std::int16_t{0}, std::int16_t{7}})
        mouse.SetMouseTrails(trails);
    mouse.DoubleClickSpeed(700);
    EXPECT_EQ(700, mouse.DoubleClickSpeed());

    int window = 0;
    platform.windowAtPoint = &window;
    platform.pointer = {30, 40};
    EXPECT_EQ(&window, mouse.MouseOverHwnd());
    EXPECT_EQ(
        (Log{"SwapMouseButton 1", "MouseTrails 0", "MouseTrails 7", "SetDoubleClickTime 700", "WindowFromPoint 30 40"}),
        platform.log);
}

} // namespace
