#include "core/gradient.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

TEST(Gradient, EachComponentStepsOnItsOwnAfterEachBand) {
    std::vector<wp::ColourComponents> colours;
    for (const auto& band : wp::gradientBands(4, {200, 10, 50}, {0, 110, 250}))
        colours.push_back(wp::componentsOf(band.colour));
    EXPECT_EQ((std::vector<wp::ColourComponents>{
                  {200, 10, 50}, {200, 10, 50}, {150, 35, 100}, {100, 60, 150}, {50, 85, 200}}),
              colours);
    EXPECT_EQ(0x00332211u, wp::colourOf({0x11, 0x22, 0x33})) << "red in the low byte";
    EXPECT_EQ((wp::ColourComponents{0x11, 0x22, 0x33}), wp::componentsOf(0x80332211u)) << "the high byte is no colour";
}

TEST(Gradient, BandsTileTheSurfaceFromTheBottomUpWithBoundedWork) {
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

} // namespace
