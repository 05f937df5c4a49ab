#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <tuple>

#include "core/mouse_members.h"

using namespace wp::mouse;
using Log = std::vector<std::string>;

namespace {

// A mouse platform in memory: it keeps the pointer, the cursor display counter and the settings,
// and logs every call that changes something, so that a test compares the log with its table.
class FakeMousePlatform final : public MousePlatform {
public:
    std::int32_t screenWidth = 1280, screenHeight = 1024; // pixels
    float twipsX = 15.0f, twipsY = 15.0f;
    ScreenPoint pointer{};
    ScreenRect window{}; // the rectangle of every window handle
    std::int32_t cursorCounter = 0;
    std::map<std::int32_t, std::int32_t> metrics;
    std::vector<float> randoms{0.5f}; // drawn in turn, then over again
    std::size_t randomsDrawn = 0;
    int reseeds = 0, yields = 0;
    std::function<void()> onYield; // runs inside each yield, as an event handler would
    std::vector<std::string> log;  // "SetCursorPos 1 2", "Yield", "Button 2", "ShowCursor -1", ...
    ScreenPoint cursorPos() override { return pointer; }
    void setCursorPos(std::int32_t x, std::int32_t y) override {
        pointer = {x, y};
        note("SetCursorPos", x, y);
    }
    ScreenRect windowRect(WindowHandle) override { return window; }
    WindowHandle windowFromPoint(ScreenPoint p) override {
        note("WindowFromPoint", p.x, p.y);
        return this;
    }
    void injectButton(std::uint32_t flags) override { note("Button", flags); }
    std::int32_t showCursor(bool show) override {
        note("ShowCursor", cursorCounter += show ? 1 : -1);
        return cursorCounter;
    }
    void confineCursor(const ScreenRect& r) override { note("ClipCursor", r.left, r.top, r.right, r.bottom); }
    void freeCursor() override { note("ClipCursor none"); }
    std::int32_t systemMetric(std::int32_t index) override { return metrics[index]; }
    void swapMouseButton(bool swap) override { note("SwapMouseButton", metrics[23] = swap); } // SM_SWAPBUTTON
    std::uint32_t doubleClickTime() override { return 500; }
    void setDoubleClickTime(std::uint32_t milliseconds) override { note("SetDoubleClickTime", milliseconds); }
    void setMouseTrails(std::int32_t count) override { note("MouseTrails", count); }
    float twipsPerPixelX() override { return twipsX; }
    float twipsPerPixelY() override { return twipsY; }
    float screenWidthTwips() override { return static_cast<float>(screenWidth) * twipsX; }
    float screenHeightTwips() override { return static_cast<float>(screenHeight) * twipsY; }
    void reseedRandomFromClock() override {
        note("Reseed");
        ++reseeds;
    }
    float nextRandom() override { return randoms[randomsDrawn++ % randoms.size()]; }
    void letPendingEventsRun() override {
        note("Yield");
        ++yields;
        if (onYield) onYield();
    }

private:
    template <class... Numbers> void note(const char* call, Numbers... numbers) {
        std::string line = call;
        ((line += ' ' + std::to_string(numbers)), ...);
        log.push_back(line);
    }
};

// Mode 0 is twips through each axis's own factor, halves to even; any other mode is pixels.
TEST(MouseUnits, ConvertPerAxisAndReadThePointerOnTheScreenOrInAWindow) {
    EXPECT_EQ(INT32_MAX, checkedSum(INT32_MAX - 1, 1)) << "the range ends are reached exactly";
    EXPECT_EQ(INT32_MIN, checkedDifference(INT32_MIN + 1, 1));
    EXPECT_EQ(15, pixelsToTwips(2, 7.5f)) << "192 DPI: a fractional factor";
    EXPECT_EQ(10, twipsToPixels(75, 7.5f));
    FakeMousePlatform platform;
    platform.twipsX = 12.0f;
    platform.twipsY = 10.0f;
    platform.pointer = {20, 30};
    platform.window = {100, 200, 300, 400};
    MouseMembers m(platform);
    const std::tuple<const char*, std::function<std::int32_t()>, std::int32_t> cases[] = {
        {"TwipsToPixelsX 30 (2.5)", [&] { return m.TwipsToPixelsX(30); }, 2},
        {"TwipsToPixelsY 35 (3.5)", [&] { return m.TwipsToPixelsY(35); }, 4},
        {"PixelsToTwipsX 3", [&] { return m.PixelsToTwipsX(3); }, 36},
        {"PixelsToTwipsY -7", [&] { return m.PixelsToTwipsY(-7); }, -70},
        {"PixelsToTwipsX the largest that fits", [&] { return m.PixelsToTwipsX(178956970); }, 2147483640},
        {"ScreenMousePosX twips", [&] { return m.ScreenMousePosX(0); }, 240},
        {"ScreenMousePosY twips", [&] { return m.ScreenMousePosY(0); }, 300},
        {"ScreenMousePosX mode -1", [&] { return m.ScreenMousePosX(-1); }, 20},
        {"ScreenMousePosY mode 5", [&] { return m.ScreenMousePosY(5); }, 30},
        {"hWndMousePosX pixels left of it", [&] { return m.hWndMousePosX(&m, 1); }, -80},
        {"hWndMousePosY twips above it", [&] { return m.hWndMousePosY(&m, 0); }, -1700},
    };
    for (const auto& [name, call, expected] : cases) EXPECT_EQ(expected, call()) << name;
    m.ScreenMousePosX(0, 300);
    m.ScreenMousePosY(0, 400);
    m.ScreenMousePosY(-1, 5000);
    EXPECT_EQ((Log{"SetCursorPos 25 30", "SetCursorPos 25 40", "SetCursorPos 25 5000"}), platform.log)
        << "setting one axis keeps the other";
}

TEST(MouseOverflow, IsReportedInsteadOfWrappingAndChangesNothing) {
    const std::tuple<const char*, float, std::function<void(MouseMembers&)>> cases[] = {
        {"TwipsToPixelsX beyond the range", 0.5f, [](MouseMembers& m) { m.TwipsToPixelsX(INT32_MAX); }},
        {"TwipsToPixelsY with no factor", 0.0f, [](MouseMembers& m) { m.TwipsToPixelsY(1); }},
        {"PixelsToTwipsY below the range", 15.0f, [](MouseMembers& m) { m.PixelsToTwipsY(INT32_MIN); }},
        {"ScreenMousePosX twips beyond", 0.5f, [](MouseMembers& m) { m.ScreenMousePosX(0, INT32_MAX); }},
        {"LimitCursor twips beyond", 0.5f, [](MouseMembers& m) { m.LimitCursor(0, INT32_MAX, 0, 0, 0); }},
        {"PointToPoint difference", 15.0f, [](MouseMembers& m) { m.PointToPoint(INT32_MAX, 0, INT32_MIN, 0); }},
        {"PointToPoint doubled distance", 15.0f, [](MouseMembers& m) { m.PointToPoint(0, 0, 0, 1 << 30); }},
        {"PointToPoint end position", 15.0f, [](MouseMembers& m) { m.PointToPoint(0, 0, (1 << 30) - 1, 0); }},
        {"PointToPoint end position, y only", 15.0f, [](MouseMembers& m) { m.PointToPoint(0, 0, 0, (1 << 30) - 1); }},
        {"hWndMousePosY difference", 15.0f, [](MouseMembers& m) { m.hWndMousePosY(&m, 1); }},
    };
    for (const auto& [name, twips, call] : cases) {
        FakeMousePlatform platform;
        platform.twipsX = platform.twipsY = twips;
        platform.window.top = INT32_MIN;
        MouseMembers mouse(platform);
        EXPECT_THROW(call(mouse), MouseOverflow) << name;
        EXPECT_TRUE(platform.log.empty()) << name;
    }
    PointTable table;
    table.start({INT32_MAX, 0});
    EXPECT_THROW(subdivideCurve(table, {INT32_MAX, 0}, {INT32_MAX, 0}, {0, 0}, {0, 0}, 1), MouseOverflow);
}

TEST(MouseSettings, ButtonsCursorConfinementAndTheSystemsValues) {
    FakeMousePlatform platform;
    platform.twipsY = 12.0f;
    MouseMembers mouse(platform);
    mouse.SingleClick(0);
    mouse.DoubleClick(1);
    mouse.ButtonDown(2);
    mouse.ButtonUp(2);
    for (std::int32_t other : {3, -1, INT32_MIN}) mouse.DoubleClick(other);
    platform.metrics[23] = 1; // SM_SWAPBUTTON: the primary button is the right one
    mouse.SingleClick(0);
    mouse.ButtonUp(1);
    mouse.ButtonDown(2);
    EXPECT_EQ((Log{"Button 2", "Button 4", "Button 8", "Button 16", "Button 8", "Button 16", "Button 32", "Button 64",
                   "Button 8", "Button 16", "Button 4", "Button 32"}),
              platform.log);
    platform.log.clear();
    platform.metrics.clear();
    mouse.LimitCursor(120, 150, 1200, 3000, 0); // top, left, bottom, right
    mouse.LimitCursor(10, 20, 30, 40, -1);
    mouse.LimitCursorOff();
    for (int trails : {-1, 8, 0, 7}) mouse.SetMouseTrails(static_cast<std::int16_t>(trails));
    mouse.SwapMouseBtn(true);
    EXPECT_TRUE(mouse.SwapMouseBtn()) << "the metric reads 1 once swapped";
    mouse.DoubleClickSpeed(700);
    platform.pointer = {30, 40};
    EXPECT_EQ(&platform, mouse.MouseOverHwnd());
    EXPECT_EQ((Log{"ClipCursor 10 10 200 100", "ClipCursor 20 10 40 30", "ClipCursor none", "MouseTrails 0",
                   "MouseTrails 7", "SwapMouseButton 1", "SetDoubleClickTime 700", "WindowFromPoint 30 40"}),
              platform.log);
    platform.metrics = {{19, 2}, {23, 7}, {13, 32}, {14, 48}, {43, 5}}; // SM_CXCURSOR 13, SM_CYCURSOR 14, SM_CMOUSEBUTTONS 43
    EXPECT_EQ((std::tuple{32, 48, 5}), std::tuple(mouse.CursorWidth(), mouse.CursorHeight(), mouse.MouseButtons()));
    EXPECT_FALSE(mouse.NewCursor(L"arrow.cur")) << "no cursor file is loaded";
    EXPECT_FALSE(mouse.MousePresent()) << "only a metric of 1 is a mouse";
    platform.metrics[19] = 1;
    EXPECT_TRUE(mouse.MousePresent());
    EXPECT_TRUE(mouse.SwapMouseBtn()) << "any non-zero metric is swapped";
}

TEST(CursorVisible, DrivesTheDisplayCounterPastTheGoalAndBackAndReadsItByAStep) {
    FakeMousePlatform platform;
    platform.cursorCounter = 5;
    MouseMembers mouse(platform);
    mouse.CursorVisible(true);
    mouse.CursorVisible(true); // at the goal, still one step past and back
    mouse.CursorVisible(false);
    mouse.CursorVisible(false);
    EXPECT_FALSE(mouse.CursorVisible());
    platform.cursorCounter = -3;
    mouse.CursorVisible(true);
    EXPECT_TRUE(mouse.CursorVisible());
    platform.cursorCounter = -5; // already past the goal: the way back still ends on it
    mouse.CursorVisible(false);
    std::vector<int> counters; // after each ShowCursor call
    for (const std::string& line : platform.log) counters.push_back(std::stoi(line.substr(11)));
    EXPECT_EQ((std::vector{6, 5, 4, 3, 2, 1, 0, 1, 0, -1, -2, -1, -2, -1, 0, -1, -2, -1, 0, 1, 0, 1, 0, -6, -5, -4, -3, -2, -1}), counters);
}

// Twice the longer distance in steps of a 1500th; each step sets x, then y, and a yield comes
// before every fourth.
TEST(PointToPoint, EachStepSetsXThenYAndYieldsBeforeEveryFourth) {
    const std::tuple<const char*, ScreenPoint, ScreenPoint, std::size_t, const char*> cases[] = {
        {"no distance", {5, 5}, {5, 5}, 1, "SetCursorPos 5 5"},
        {"293 right ends short", {100, 0}, {393, 0}, 586, "SetCursorPos 214 0"},
        {"left and down", {0, 0}, {-300, 150}, 600, "SetCursorPos -120 60"},
        {"the vertical distance sets the count", {500, 500}, {500, 200}, 600, "SetCursorPos 500 380"},
    };
    for (const auto& [name, from, to, steps, last] : cases) {
        FakeMousePlatform platform;
        MouseMembers mouse(platform);
        mouse.PointToPoint(from.x, from.y, to.x, to.y);
        EXPECT_EQ(2 * steps + steps / 4, platform.log.size()) << name << ": a yield before every fourth";
        EXPECT_EQ(last, platform.log.back()) << name;
    }
    FakeMousePlatform platform;
    MouseMembers mouse(platform);
    mouse.PointToPoint(10, 10, 12, 11);
    Log expected(8, "SetCursorPos 10 10");
    expected[0] = "SetCursorPos 10 0";
    expected.insert(expected.begin() + 6, "Yield");
    EXPECT_EQ(expected, platform.log);
    // Half a pixel per step: the first step from 1,3 lies at 1.5,3.5, which rounds to even.
    platform.log.clear();
    mouse.PointToPoint(1, 3, 751, 753);
    EXPECT_EQ((Log{"SetCursorPos 2 10", "SetCursorPos 2 4"}), Log(platform.log.begin(), platform.log.begin() + 2));
}

TEST(SubdivideCurve, HalvesOnIntegersIntoTheTable) {
    // Control points, depth, and the table: entry 1 is the start, put there first.
    const std::tuple<const char*, ScreenPoint, ScreenPoint, ScreenPoint, ScreenPoint, std::int16_t,
                     std::vector<ScreenPoint>>
        cases[] = {
        {"depth 0", {0, 0}, {0, 0}, {3, 0}, {3, 0}, 0, {{0, 0}, {3, 0}}},
        {"depth 2", {0, 0}, {0, 0}, {3, 0}, {3, 0}, 2, {{0, 0}, {0, 0}, {2, 0}, {2, 0}, {3, 0}}},
        {"negative halves go to even, y on its own", {0, 0}, {0, 0}, {-3, 3}, {-3, 3}, 1, {{0, 0}, {-2, 2}, {-3, 3}}},
        // An arch whose points at t = k/8 are whole: x = 512(3t^2 - 2t^3), y = 1536t(1 - t).
        {"an arch", {0, 0}, {0, 512}, {512, 512}, {512, 0}, 3,
         {{0, 0}, {22, 168}, {80, 288}, {162, 360}, {256, 384}, {350, 360}, {432, 288}, {490, 168}, {512, 0}}},
    };
    for (const auto& [name, p1, p2, p3, p4, depth, expected] : cases) {
        PointTable table;
        table.start(p1);
        subdivideCurve(table, p1, p2, p3, p4, depth);
        std::vector<ScreenPoint> entries;
        for (std::int32_t i = 1; i <= table.count(); ++i) entries.push_back(table.entry(i));
        EXPECT_EQ(expected, entries) << name;
    }
    // The table fills exactly; more is refused before anything is added.
    PointTable table;
    table.start({1, 1});
    const auto add = [&](std::int16_t depth) { subdivideCurve(table, {1, 1}, {1, 1}, {9, 9}, {9, 9}, depth); };
    for (int depth : {12, -1, 63}) EXPECT_THROW(add(static_cast<std::int16_t>(depth)), std::length_error) << depth;
    EXPECT_EQ(1, table.count());
    add(11);
    EXPECT_EQ((ScreenPoint{9, 9}), table.entry(PointTable::capacity));
    EXPECT_THROW(add(0), std::length_error);
    EXPECT_THROW(table.append({}), std::length_error);
}

TEST(MouseCurve, AStopAskedDuringAYieldEndsTheRunAfterThatPiece) {
    FakeMousePlatform platform;
    platform.screenWidth = platform.screenHeight = 10; // pieces far under a pixel: one step, one yield each
    platform.pointer = {1, 1};
    platform.randoms = {0.5f, 0.5f, 0.95f, 0.95f};
    MouseMembers mouse(platform);
    platform.onYield = [&] {
        if (platform.yields == 1) mouse.MouseCurve(true);
    };
    mouse.MouseCurve(false);
    EXPECT_TRUE(platform.log.empty()) << "false when idle touches nothing";
    mouse.MouseCurve(true);
    EXPECT_EQ(8u, platform.randomsDrawn);
    const auto firstYield = std::find(platform.log.begin(), platform.log.end(), "Yield");
    EXPECT_EQ((Log{"Yield", "Reseed"}), Log(firstYield, platform.log.end()))
        << "the nested call only asks for the stop; the next curve is drawn, then the call returns";
    // Idle again, also after a failed start: the next true starts a new run instead of stopping one.
    // Pixel counts are 16-bit; the twips are rounded first: 16383.5 becomes 16384, 32768 half-twip pixels.
    const std::tuple<std::int32_t, float, bool> screens[] = {
        {32768, 15.0f, true}, {-32769, 15.0f, true}, {32767, 0.5f, true}, {32767, 15.0f, false}, {-32768, 15.0f, false}};
    platform.onYield = [&] { mouse.MouseCurve(false); };
    for (const auto& [width, twips, wide] : screens) {
        platform.screenWidth = width;
        platform.twipsX = twips;
        if (wide) EXPECT_THROW(mouse.MouseCurve(true), MouseOverflow) << width;
        else EXPECT_NO_THROW(mouse.MouseCurve(true)) << width;
    }
    EXPECT_EQ(9, platform.reseeds);
    EXPECT_EQ(3, platform.yields);
}

TEST(MouseCurve, EachCurveStartsWhereTheLastEndedAndBendsOnFromItsControlPoint) {
    FakeMousePlatform platform;
    platform.twipsY = 12.0f; // the height must come through the vertical factor
    platform.pointer = {202, 302}; // halfway to (1, 1) lies 101.5, 151.5: a unit off there shows
    // Curve 1: P2 (1268, 11), P3 (641, 257), from 257.51 floored. Curve 2: P2 = P3 = (1, 1).
    platform.randoms = {0.99f, 0.01f, 0.5f, 0.2505f, 0.0f, 0.0f, 0.0f, 0.0f};
    MouseMembers mouse(platform);
    platform.onYield = [&] {
        if (platform.reseeds == 3) mouse.MouseCurve(false);
    };
    mouse.MouseCurve(true);
    // Each curve fills the point table, the first bending first towards (1, 1); the pointer goes
    // from each entry to the next as PointToPoint goes, with a yield after each piece.
    FakeMousePlatform replay;
    replay.pointer = {202, 302};
    MouseMembers expected(replay);
    const std::tuple<ScreenPoint, ScreenPoint, ScreenPoint, ScreenPoint> curves[] = {
        {{202, 302}, {1, 1}, {1268, 11}, {641, 257}}, {{641, 257}, {1268, 11}, {1, 1}, {1, 1}}};
    for (const auto& [p0, p1, p2, p3] : curves) {
        PointTable table;
        table.start(p0);
        subdivideCurve(table, p0, p1, p2, p3, static_cast<std::int16_t>(std::countr_zero(PointTable::capacity - 1u)));
        replay.reseedRandomFromClock();
        for (std::int32_t k = 1; k < PointTable::capacity; ++k) {
            expected.PointToPoint(table.entry(k).x, table.entry(k).y, table.entry(k + 1).x, table.entry(k + 1).y);
            replay.letPendingEventsRun();
        }
    }
    replay.reseedRandomFromClock(); // the third curve
    ASSERT_LE(replay.log.size(), platform.log.size());
    const auto differ = std::mismatch(replay.log.begin(), replay.log.end(), platform.log.begin());
    EXPECT_TRUE(differ.first == replay.log.end()) << "line " << differ.first - replay.log.begin() << ": " << *differ.second;
}

} // namespace
