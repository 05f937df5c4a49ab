#include "core/marker_geometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const unsigned scalings[] = {96, 120, 144, 168, 192, 240};

TEST(MarkerGeometry, SideIsFortyTwoAtNinetySixDpiAndAlwaysEven) {
    const struct {
        unsigned dpi;
        int side;
    } cases[] = {{96, 42}, {120, 52}, {144, 64}, {168, 74}, {192, 84}, {240, 106}, {0, 42}};
    for (const auto& c : cases) EXPECT_EQ(c.side, wp::markerSidePixels(c.dpi)) << c.dpi;
}

TEST(MarkerGeometry, PlacesTheCornerTwentyOnePixelsBeforeThePositionAtNinetySixDpi) {
    const struct {
        double position;
        std::int32_t edge;
    } cases[] = {
        {0, -21}, {400, 379}, {-5, -26}, {1279, 1258},
        {400.5, 380}, // 379.5 pixels, halves to even
        {401.5, 380}, // 380.5
        {-0.5, -22},  // -21.5
        {400.2, 379}, // 379.2
    };
    for (const auto& c : cases) {
        const auto edge = wp::twipsToPixels(wp::markerEdgeTwips(c.position, 630));
        ASSERT_TRUE(edge) << c.position;
        EXPECT_EQ(c.edge, edge.value) << c.position;
    }
}

TEST(MarkerGeometry, ReportsTheCornerPlusTwentyOneAtNinetySixDpi) {
    const struct {
        std::int32_t edge;
        float centre;
    } cases[] = {{379, 400}, {-21, 0}, {-50, -29}, {0, 21}, {1258, 1279}};
    for (const auto& c : cases) EXPECT_EQ(c.centre, wp::markerCentre(c.edge, 630)) << c.edge;
}

TEST(MarkerGeometry, AMarkerCentredOnAWholePositionReportsItBackAtEveryScaling) {
    const double positions[] = {0, 1, 400, 401, -21, -1000, 1279, 3839, 32000};
    for (unsigned dpi : scalings) {
        const std::int32_t width = wp::markerSidePixels(dpi) * wp::twipsPerPixel;
        for (double position : positions) {
            const auto edge = wp::twipsToPixels(wp::markerEdgeTwips(position, width));
            ASSERT_TRUE(edge) << dpi << " " << position;
            EXPECT_EQ(static_cast<float>(position), wp::markerCentre(edge.value, width)) << dpi << " " << position;
        }
    }
}

TEST(MarkerGeometry, TwipsBeyondAPixelNumberDoNotConvert) {
    EXPECT_FALSE(wp::twipsToPixels(1e30));
    EXPECT_FALSE(wp::twipsToPixels(-1e30));
    EXPECT_FALSE(wp::twipsToPixels(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(-2, wp::twipsToPixels(-30).value);
    EXPECT_EQ(0, wp::twipsToPixels(7.5).value) << "half a pixel goes to the even neighbour";
    EXPECT_EQ(2, wp::twipsToPixels(22.5).value);
}

} // namespace
