#include "core/marker_geometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(MarkerGeometry, SideIsFortyTwoAtNinetySixDpiScaledToAnEvenSide) {
    const std::pair<unsigned, int> cases[] = {{96, 42}, {120, 52}, {144, 64}, {168, 74}, {0, 42}};
    for (const auto& [dpi, side] : cases) EXPECT_EQ(side, wp::markerSidePixels(dpi)) << dpi;
}

TEST(MarkerGeometry, TheCornerLiesHalfASideBeforeAWholePositionAndReportsItBackAtEveryScaling) {
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
    EXPECT_FALSE(wp::twipsToPixels(std::numeric_limits<double>::quiet_NaN()));
}

} // namespace
