#include "core/about_motion.h"
#include "core/version_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(CommentsScroll, AShortTextStaysAndALongOneRisesHalfAPixelATickAndComesBackBelow) {
    for (std::int32_t height : {0, 121}) {
        wp::CommentsScroll scroll;
        EXPECT_FALSE(scroll.tick(height, 121)) << height;
        EXPECT_EQ(0, scroll.drawnTop()) << height;
    }
    wp::CommentsScroll scroll;
    std::vector<std::int32_t> drawn;
    for (int i = 0; i < 8; ++i) {
        ASSERT_TRUE(scroll.tick(122, 121));
        drawn.push_back(scroll.drawnTop());
    }
    EXPECT_EQ((std::vector<std::int32_t>{0, -1, -2, -2, -2, -3, -4, -4}), drawn) << "halves go to even";

    wp::CommentsScroll wrapping;
    for (int i = 0; i < 399; ++i) wrapping.tick(200, 121);
    EXPECT_EQ(-199.5, wrapping.top());
    wrapping.tick(200, 121);
    EXPECT_EQ(123, wrapping.drawnTop()) << "once the top reaches minus the height, just below the container";
}

TEST(Logo, ALeftPressWithCtrlAlonePicksItUpAndItCentresOnThePointer) {
    using namespace wp;
    const std::pair<std::int32_t, std::int32_t> others[] = {
        {LeftButton, 0}, {LeftButton, CtrlKey | ShiftKey}, {RightButton, CtrlKey}, {LeftButton | RightButton, CtrlKey}};
    EXPECT_TRUE(picksUpLogo(LeftButton, CtrlKey));
    for (const auto& [button, shift] : others) EXPECT_FALSE(picksUpLogo(button, shift)) << button << "/" << shift;

    // The pointer's offset from the outer corner, less half the logo, halves to even.
    EXPECT_EQ((PixelPoint{176, 112}), logoFollowPlace({300, 200}, {100, 50}, 49, 76)); // 175.5
    EXPECT_EQ((PixelPoint{176, 112}), logoFollowPlace({301, 200}, {100, 50}, 49, 76)); // 176.5
    EXPECT_EQ((PixelPoint{-524, -438}), logoFollowPlace({0, 0}, {500, 400}, 49, 76));
}

TEST(VersionText, PadsMinorToTwoAndRevisionToFourDigits) {
    EXPECT_EQ("1.06.0001", wp::versionText(1, 6, 1));
    EXPECT_EQ("2.10.12345", wp::versionText(2, 10, 12345));
}

} // namespace
