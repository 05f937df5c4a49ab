// The pictures the windows draw: the about window's motion and version line, the side bar's
// gradient, the markers' size and place, the faces of the text.
#include "core/about_motion.h"
#include "core/font_faces.h"
#include "core/gradient.h"
#include "core/marker_geometry.h"
#include "core/version_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>
#include <vector>

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

TEST(AboutWindow, ACtrlLeftPressPicksUpTheLogoWhichCentresOnThePointerAndTheVersionIsPadded) {
    using namespace wp;
    EXPECT_TRUE(picksUpLogo(LeftButton, CtrlKey));
    EXPECT_FALSE(picksUpLogo(LeftButton, CtrlKey | ShiftKey));
    EXPECT_FALSE(picksUpLogo(LeftButton | RightButton, CtrlKey));
    // The pointer's offset from the outer corner, less half the logo, halves to even.
    EXPECT_EQ((PixelPoint{176, 114}), logoFollowPlace({300, 200}, {100, 50}, 49, 73)); // 175.5, 113.5
    EXPECT_EQ((PixelPoint{-524, -438}), logoFollowPlace({1, 0}, {500, 400}, 49, 76));  // -523.5
    EXPECT_EQ("1.06.0001", wp::versionText(1, 6, 1)) << "minor to two digits, revision to four";
}

TEST(Gradient, EachComponentStepsOnItsOwnAfterEachBandAndTheBandsTileTheSurface) {
    std::vector<wp::ColourComponents> colours;
    for (const auto& band : wp::gradientBands(4, {200, 10, 50}, {0, 111, 250}))
        colours.push_back(wp::componentsOf(band.colour));
    EXPECT_EQ((std::vector<wp::ColourComponents>{
                  {200, 10, 50}, {200, 10, 50}, {150, 35, 100}, {100, 60, 150}, {50, 86, 200}}),
              colours);
    EXPECT_EQ(0x00332211u, wp::colourOf({0x11, 0x22, 0x33})) << "red in the low byte";
    EXPECT_EQ(0u, wp::colourOf({})) << "a colour not set is black, as the side bar's start";
    EXPECT_EQ((wp::ColourComponents{0x11, 0x22, 0x33}), wp::componentsOf(0x80332211u)) << "the high byte is no colour";
    // The bands tile the surface from the bottom up, with bounded work.
    for (std::int32_t height : {0, INT32_MIN}) EXPECT_TRUE(wp::gradientBands(height, {}, {}).empty());
    for (std::int32_t height = 1; height < 3000; ++height) {
        const auto bands = wp::gradientBands(height, {}, {0, 0, 255});
        ASSERT_EQ(height, bands.front().bottom) << height;
        ASSERT_LE(bands.back().top, 0) << height;
        ASSERT_LE(bands.size(), 510u) << height;
        ASSERT_GE(bands.size(), std::min<std::size_t>(static_cast<std::size_t>(height), 256)) << height;
        for (std::size_t k = 1; k < bands.size(); ++k) ASSERT_EQ(bands[k - 1].top, bands[k].bottom) << height;
    }
    EXPECT_EQ(256u, wp::gradientBands(INT32_MAX, {}, {}).size());
}

TEST(MarkerGeometry, AnEvenSideScaledFromFortyTwoAtNinetySixDpiCentresOnAWholePosition) {
    const std::pair<unsigned, int> cases[] = {{96, 42}, {120, 52}, {144, 64}, {168, 74}, {0, 42}};
    for (const auto& [dpi, side] : cases) EXPECT_EQ(side, wp::markerSidePixels(dpi)) << dpi;
    // The corner lies half a side before a whole position and reports it back at every scaling.
    for (unsigned dpi : {96u, 120u, 144u, 168u, 192u, 240u}) {
        const std::int32_t width = wp::markerSidePixels(dpi) * wp::twipsPerPixel;
        for (double position : {0.0, 401.0, -21.0, -1000.0, 3839.0, 32000.0}) {
            const auto edge = wp::twipsToPixels(wp::markerEdgeTwips(position, width));
            ASSERT_TRUE(edge) << dpi << " " << position;
            EXPECT_EQ(position - width / 30, edge.value) << dpi << " " << position; // half a side before
            EXPECT_EQ(static_cast<float>(position), wp::markerCentre(edge.value, width)) << dpi << " " << position;
        }
    }
    EXPECT_EQ(380, wp::twipsToPixels(wp::markerEdgeTwips(401.5, 630)).value) << "380.5 halves to even";
    EXPECT_EQ(22.0f / wp::twipsPerPixel, wp::markerCentre(0, 45)) << "half of an odd width halves to even";
    EXPECT_FALSE(wp::twipsToPixels(std::numeric_limits<double>::quiet_NaN()));
}

TEST(ScreenFace, TheTrueTypeFaceOfABitmapDesignFaceWhereInstalled) {
    const std::tuple<std::wstring_view, std::set<std::wstring_view>, std::wstring_view> cases[] = {
        {L"MS Sans Serif", {L"Microsoft Sans Serif"}, L"Microsoft Sans Serif"},
        {L"MS Sans Serif", {L"MS Sans Serif", L"Tahoma"}, L"MS Sans Serif"},
        {L"Arial", {L"Arial", L"Microsoft Sans Serif"}, L"Arial"}}; // designed, installed, asked for
    for (const auto& [design, installed, asked] : cases)
        EXPECT_TRUE(asked == wp::screenFace(design, [&](std::wstring_view f) { return installed.count(f) > 0; }));
}
