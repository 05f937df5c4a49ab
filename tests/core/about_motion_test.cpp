#include "core/about_motion.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::int32_t container = 121;

TEST(CommentsScroll, AShortTextStopsAtTheFirstTick) {
    for (std::int32_t height : {0, 13, 104, 121}) {
        wp::CommentsScroll scroll;
        EXPECT_FALSE(scroll.tick(height, container)) << height;
        EXPECT_EQ(0, scroll.drawnTop()) << height;
    }
}

TEST(CommentsScroll, ALongTextRisesAboutOnePixelEverySecondTick) {
    wp::CommentsScroll scroll;
    std::vector<std::int32_t> drawn;
    for (int i = 0; i < 8; ++i) {
        ASSERT_TRUE(scroll.tick(122, container));
        drawn.push_back(scroll.drawnTop());
    }
    // Floating tops -0.5 .. -4: halves go to the even neighbour.
    const std::vector<std::int32_t> expected = {0, -1, -2, -2, -2, -3, -4, -4};
    EXPECT_EQ(expected, drawn);
}

TEST(CommentsScroll, ALongTextReentersBelowTheContainer) {
    wp::CommentsScroll scroll;
    const std::int32_t height = 200;
    int ticks = 0;
    while (scroll.top() < 0 || ticks == 0) {
        ASSERT_TRUE(scroll.tick(height, container));
        ++ticks;
        ASSERT_LT(ticks, 10000);
    }
    EXPECT_EQ(400, ticks) << "re-entry once the top reaches minus the height";
    EXPECT_EQ(123.0, scroll.top());
    EXPECT_EQ(123, scroll.drawnTop());

    int more = 0;
    do {
        scroll.tick(height, container);
        ++more;
    } while (scroll.top() != 123.0 && more < 10000);
    EXPECT_EQ((123 + 200) * 2, more) << "and again after rising through";
}

TEST(Logo, OnlyALeftPressWithCtrlAlonePicksItUp) {
    using namespace wp;
    const struct {
        std::int32_t button, shift;
        bool picks;
    } cases[] = {
        {LeftButton, CtrlKey, true},
        {LeftButton, 0, false},
        {LeftButton, CtrlKey | ShiftKey, false},
        {LeftButton, CtrlKey | AltKey, false},
        {RightButton, CtrlKey, false},
        {MiddleButton, CtrlKey, false},
        {LeftButton | RightButton, CtrlKey, false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.picks, picksUpLogo(c.button, c.shift)) << c.button << "/" << c.shift;
}

TEST(Logo, CentresOnThePointersOffsetFromTheOuterCorner) {
    const struct {
        wp::PixelPoint pointer, corner;
        wp::PixelPoint expected;
    } cases[] = {
        {{300, 200}, {100, 50}, {176, 112}}, // 200 - 24.5 = 175.5 -> 176
        {{301, 200}, {100, 50}, {176, 112}}, // 176.5 -> 176
        {{100, 50}, {100, 50}, {-24, -38}},  // -24.5 -> -24
        {{0, 0}, {500, 400}, {-524, -438}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.expected, wp::logoFollowPlace(c.pointer, c.corner, 49, 76))
            << c.pointer.x << "," << c.pointer.y;
    }
}

} // namespace
