#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/mouse_curve.h"
#include "core/mouse_members.h"
#include "fake_mouse_platform.h"

using wp::mouse::MouseMembers;
using wp::mouse::PointTable;
using wp::mouse::ScreenPoint;
using wp::test::FakeMousePlatform;

namespace {

std::vector<ScreenPoint> entries(const PointTable& table) {
    std::vector<ScreenPoint> out;
    for (std::int32_t i = 1; i <= table.count(); ++i)
        out.push_back(table.entry(i));
    return out;
}

// The position each step asked for, curve by curve: a "Reseed" opens the next curve, and the second
// SetCursorPos of a step carries both coordinates of that step.
std::vector<std::vector<ScreenPoint>> stepsByCurve(const std::vector<std::string>& log) {
    std::vector<std::vector<ScreenPoint>> curves;
    int callsInCurve = 0;
    for (const std::string& line : log) {
        if (line == "Reseed") {
            curves.emplace_back();
            callsInCurve = 0;
        }
        ScreenPoint p;
        if (std::sscanf(line.c_str(), "SetCursorPos %d %d", &p.x, &p.y) == 2 && ++callsInCurve % 2 == 0)
            curves.back().push_back(p);
    }
    return curves;
}

bool near(ScreenPoint a, ScreenPoint b, int tolerance) {
    return std::abs(a.x - b.x) <= tolerance && std::abs(a.y - b.y) <= tolerance;
}

TEST(PointToPoint, StepCountsEndsAndYields) {
    const struct {
        const char* name;
        ScreenPoint from, to;
        std::size_t steps;
        ScreenPoint lastAsked; // x of the last step's first call, y of its second
        ScreenPoint pointerAfter;
        std::size_t yields;
    } cases[] = {
        {"no distance", {5, 5}, {5, 5}, 1, {5, 5}, {5, 5}, 0},
        {"300 right ends short", {0, 0}, {300, 0}, 600, {120, 0}, {120, 0}, 150},
        {"750 right ends on the end", {0, 0}, {750, 0}, 1500, {750, 0}, {750, 0}, 375},
        {"1500 right runs past to the edge", {100, 100}, {1600, 100}, 3000, {3100, 100}, {1279, 100}, 750},
        {"left and down, clamped at 0", {0, 0}, {-300, 150}, 600, {-120, 60}, {0, 60}, 150},
        {"vertical distance sets the count", {500, 500}, {500, 200}, 600, {500, 380}, {500, 380}, 150},
        {"tiny move stays put", {10, 10}, {12, 11}, 4, {10, 10}, {10, 10}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeMousePlatform platform;
        MouseMembers mouse(platform);
        mouse.PointToPoint(c.from.x, c.from.y, c.to.x, c.to.y);
        const std::vector<ScreenPoint> asked = platform.cursorRequests();
        ASSERT_EQ(2 * c.steps, asked.size());
        EXPECT_EQ(c.lastAsked, (ScreenPoint{asked[asked.size() - 2].x, asked.back().y}));
        EXPECT_EQ(c.pointerAfter, platform.pointer);
        EXPECT_EQ(c.yields, platform.count("Yield"));
    }
}

TEST(PointToPoint, EachStepSetsXThenYAndYieldsBeforeEveryFourth) {
    FakeMousePlatform platform;
    MouseMembers mouse(platform);
    mouse.PointToPoint(10, 10, 12, 11);
    const std::vector<std::string> expected = {"SetCursorPos 10 0",
                                               "SetCursorPos 10 10",
                                               "SetCursorPos 10 10",
                                               "SetCursorPos 10 10",
                                               "SetCursorPos 10 10",
                                               "SetCursorPos 10 10",
                                               "Yield",
                                               "SetCursorPos 10 10",
                                               "SetCursorPos 10 10"};
    EXPECT_EQ(expected, platform.log);

    // Half a pixel per step: the first step from 1,3 lies at 1.5,3.5, which rounds to even.
    FakeMousePlatform diagonal;
    MouseMembers other(diagonal);
    other.PointToPoint(1, 3, 751, 753);
    ASSERT_LE(2u, diagonal.log.size());
    EXPECT_EQ("SetCursorPos 2 0", diagonal.log[0]) << "x moves first, keeping the old y";
    EXPECT_EQ("SetCursorPos 2 4", diagonal.log[1]);
}

TEST(SubdivideCurve, HalvesOnIntegersIntoTheTable) {
    const struct {
        const char* name;
        ScreenPoint p1, p2, p3, p4;
        std::int16_t depth;
        std::vector<ScreenPoint> table; // entry 1 is p1, put there first
    } cases[] = {
        {"depth 0 appends the end", {0, 0}, {0, 0}, {3, 0}, {3, 0}, 0, {{0, 0}, {3, 0}}},
        {"depth 1", {0, 0}, {0, 0}, {3, 0}, {3, 0}, 1, {{0, 0}, {2, 0}, {3, 0}}},
        {"depth 2", {0, 0}, {0, 0}, {3, 0}, {3, 0}, 2, {{0, 0}, {0, 0}, {2, 0}, {2, 0}, {3, 0}}},
        {"negative halves go to even", {0, 0}, {0, 0}, {-3, 0}, {-3, 0}, 1, {{0, 0}, {-2, 0}, {-3, 0}}},
        {"y is halved on its own", {0, 0}, {0, 0}, {3, -3}, {3, -3}, 1, {{0, 0}, {2, -2}, {3, -3}}},
        // An arch whose points at t = k/8 are whole: x = 512(3t^2 - 2t^3), y = 1536t(1 - t).
        {"an arch",
         {0, 0},
         {0, 512},
         {512, 512},
         {512, 0},
         3,
         {{0, 0}, {22, 168}, {80, 288}, {162, 360}, {256, 384}, {350, 360}, {432, 288}, {490, 168}, {512, 0}}},
        {"equal points", {7, -4}, {7, -4}, {7, -4}, {7, -4}, 3, std::vector<ScreenPoint>(9, {7, -4})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PointTable table;
        table.start(c.p1);
        wp::mouse::subdivideCurve(table, c.p1, c.p2, c.p3, c.p4, c.depth);
        EXPECT_EQ(c.table, entries(table));
    }
}

TEST(SubdivideCurve, FillsTheTableExactlyAndRefusesMore) {
    PointTable table;
    table.start({1, 1});
    EXPECT_THROW(wp::mouse::subdivideCurve(table, {1, 1}, {1, 1}, {9, 9}, {9, 9}, 12), std::length_error);
    EXPECT_THROW(wp::mouse::subdivideCurve(table, {1, 1}, {1, 1}, {9, 9}, {9, 9}, -1), std::length_error);
    EXPECT_EQ(1, table.count()) << "a refused call adds nothing";

    wp::mouse::subdivideCurve(table, {1, 1}, {1, 1}, {9, 9}, {9, 9}, 11);
    EXPECT_EQ(PointTable::capacity, table.count());
    EXPECT_EQ((ScreenPoint{9, 9}), table.entry(PointTable::capacity));
    EXPECT_THROW(wp::mouse::subdivideCurve(table, {1, 1}, {1, 1}, {9, 9}, {9, 9}, 0), std::length_error);
}

TEST(MouseCurve, FalseWhenIdleTouchesNothing) {
    FakeMousePlatform platform;
    MouseMembers mouse(platform);
    mouse.MouseCurve(false);
    EXPECT_TRUE(platform.log.empty());
    EXPECT_EQ(0u, platform.randomsDrawn);
}

TEST(MouseCurve, TrueDuringAYieldStopsAfterTheCurrentPiece) {
    FakeMousePlatform platform;
    platform.screenWidth = platform.screenHeight = 10; // pieces far under a pixel: one step, one yield each
    platform.pointer = {1, 1};
    platform.randoms = {0.5f, 0.5f, 0.95f, 0.95f};
    MouseMembers mouse(platform);
    std::size_t logDuringStop = 0;
    platform.onYield = [&] {
        if (platform.yields != 1) return;
        const std::size_t before = platform.log.size();
        mouse.MouseCurve(true);
        logDuringStop = platform.log.size() - before;
    };
    mouse.MouseCurve(true);
    EXPECT_EQ(0u, logDuringStop) << "the nested call only asks for the stop";
    EXPECT_EQ(1, platform.yields);
    EXPECT_EQ(2, platform.reseeds) << "the next curve is drawn, then the call returns";
    EXPECT_EQ(8u, platform.randomsDrawn);
    const auto firstYield = std::find(platform.log.begin(), platform.log.end(), "Yield");
    EXPECT_EQ((std::vector<std::string>{"Yield", "Reseed"}), std::vector<std::string>(firstYield, platform.log.end()));

    // Idle again: the next true starts a new run instead of stopping one.
    platform.onYield = [&] { mouse.MouseCurve(false); };
    mouse.MouseCurve(true);
    EXPECT_EQ(4, platform.reseeds);
    EXPECT_EQ(2, platform.yields);
}

TEST(MouseCurve, EachCurveStartsWhereTheLastEndedAndBendsOnFromItsControlPoint) {
    FakeMousePlatform platform;
    platform.twipsY = 12.0f; // the height must come through the vertical factor
    platform.pointer = {200, 300};
    // Curve 1: P2 (1268, 11), P3 (641, 257). Curve 2: P2 = P3 = (1, 1).
    platform.randoms = {0.99f, 0.01f, 0.5f, 0.25f, 0.0f, 0.0f, 0.0f, 0.0f};
    MouseMembers mouse(platform);
    platform.onYield = [&] {
        if (platform.reseeds == 3) mouse.MouseCurve(false);
    };
    mouse.MouseCurve(true);
    EXPECT_EQ(4, platform.reseeds);
    EXPECT_EQ(16u, platform.randomsDrawn);

    const auto curves = stepsByCurve(platform.log);
    ASSERT_EQ(4u, curves.size());
    const auto& first = curves[0];
    const auto& second = curves[1];
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    EXPECT_EQ((ScreenPoint{200, 300}), first.front());
    EXPECT_PRED3(near, (ScreenPoint{641, 257}), first.back(), 2);
    for (const ScreenPoint& p : first) {
        ASSERT_TRUE(p.x >= 1 && p.x <= 1280 && p.y >= 1 && p.y <= 1024) << p.x << "," << p.y;
    }
    EXPECT_EQ((ScreenPoint{641, 257}), second.front());
    EXPECT_PRED3(near, (ScreenPoint{1, 1}), second.back(), 2);
    const auto eastmost =
        std::max_element(second.begin(), second.end(), [](ScreenPoint a, ScreenPoint b) { return a.x < b.x; });
    EXPECT_GT(eastmost->x, 641) << "the second curve first bends towards the first curve's control point";
    EXPECT_TRUE(curves[3].empty()) << "the drawn curve after a stop is not followed";
}

TEST(MouseCurve, AFailedStartLeavesItIdle) {
    FakeMousePlatform platform;
    platform.screenWidth = 40000; // wider than 16 bits
    MouseMembers mouse(platform);
    EXPECT_THROW(mouse.MouseCurve(true), wp::mouse::MouseOverflow);
    EXPECT_EQ(0u, platform.count("SetCursorPos"));

    platform.screenWidth = 1280;
    platform.onYield = [&] { mouse.MouseCurve(false); };
    mouse.MouseCurve(true);
    EXPECT_EQ(3, platform.reseeds) << "a run starts, rather than a stop of the failed one";
    EXPECT_LT(0u, platform.count("SetCursorPos"));
}

} // namespace
