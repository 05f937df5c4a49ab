#include "core/about_motion.h"
#include "core/version_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(CommentsScroll, AShortTextStaysAndALongOneRisesHalfAPixelATickAndComesBackBelow) {
    wp::CommentsScroll scroll;
    EXPECT_FALSE(scroll.tick(121, 121));
    std::vector<std::int32_t> drawn;
    for (int i = 0; i < 6; ++i) drawn.push_back(scroll.tick(122, 121) ? scroll.drawnTop() : 99);
    EXPECT_EQ((std::vector<std::int32_t>{0, -1, -2, -2, -2, -3}), drawn) << "halves go to even";
    for (int i = 0; i < 237; ++i) scroll.tick(122, 121);
    EXPECT_EQ(-121.5, scroll.top());
    scroll.tick(122, 121);
    EXPECT_EQ(123, scroll.drawnTop()) << "once the top reaches minus the height, just below the container";
}

TEST(Logo, ALeftPressWithCtrlAlonePicksItUpAndItCentresOnThePointer) {
    using namespace wp;
    EXPECT_TRUE(picksUpLogo(LeftButton, CtrlKey));
    EXPECT_FALSE(picksUpLogo(LeftButton, CtrlKey | ShiftKey));
    EXPECT_FALSE(picksUpLogo(LeftButton | RightButton, CtrlKey));
    // The pointer's offset from the outer corner, less half the logo, halves to even.
    EXPECT_EQ((PixelPoint{176, 112}), logoFollowPlace({300, 200}, {100, 50}, 49, 76)); // 175.5
    EXPECT_EQ((PixelPoint{-524, -438}), logoFollowPlace({1, 0}, {500, 400}, 49, 76));  // -523.5
}

TEST(VersionText, PadsMinorToTwoAndRevisionToFourDigits) { EXPECT_EQ("1.06.0001", wp::versionText(1, 6, 1)); }

} // namespace
