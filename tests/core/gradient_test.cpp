#include "core/gradient.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

using wp::ColourComponents;

constexpr ColourComponents black{0, 0, 0};
constexpr ColourComponents blue{0, 0, 255};

// What a surface `height` rows high shows once every band is filled in order.
std::vector<std::optional<std::uint32_t>> paint(std::int32_t height, const std::vector<wp::GradientBand>& bands) {
    std::vector<std::optional<std::uint32_t>> rows(static_cast<std::size_t>(height));
    for (const auto& band : bands)
        for (std::int32_t y = band.top; y < band.bottom; ++y)
            if (y >= 0 && y < height) rows[static_cast<std::size_t>(y)] = band.colour;
    return rows;
}

TEST(Gradient, TenRowsBlackToBlueFromTheBottomRowUp) {
    const auto bands = wp::gradientBands(10, black, blue);
    ASSERT_EQ(11u, bands.size());
    const auto rows = paint(10, bands);
    const int expectedBlue[] = {0, 0, 26, 51, 76, 102, 128, 153, 178, 204}; // row 9 first
    for (int k = 0; k < 10; ++k) {
        const auto& colour = rows[static_cast<std::size_t>(9 - k)];
        ASSERT_TRUE(colour) << "row " << 9 - k << " unpainted";
        EXPECT_EQ((ColourComponents{0, 0, static_cast<std::int16_t>(expectedBlue[k])}), wp::componentsOf(*colour))
            << "row " << 9 - k;
    }
    EXPECT_EQ((wp::GradientBand{-1, 0, 230u << 16}), bands.back()) << "the eleventh fill covers row -1 only";
}

TEST(Gradient, EachComponentStepsOnItsOwn) {
    std::vector<ColourComponents> colours;
    for (const auto& band : wp::gradientBands(4, {200, 10, 50}, {0, 110, 250}))
        colours.push_back(wp::componentsOf(band.colour));
    const std::vector<ColourComponents> expected{
        {200, 10, 50}, {200, 10, 50}, {150, 35, 100}, {100, 60, 150}, {50, 85, 200}};
    EXPECT_EQ(expected, colours);
}

TEST(Gradient, BandsCoverTheSurfaceWithBoundedWork) {
    const struct {
        std::int32_t height;
        std::size_t bands;
    } cases[] = {
        {1, 2}, {2, 3}, {254, 255}, {255, 256}, {509, 510}, {510, 256}, {764, 383}, {765, 256}, {1020, 256},
        {1024 * 1024, 256}, {2147483647, 256},
    };
    for (const auto& c : cases) {
        const auto bands = wp::gradientBands(c.height, black, blue);
        ASSERT_EQ(c.bands, bands.size()) << "height " << c.height;
        EXPECT_EQ(c.height, bands.front().bottom) << "height " << c.height;
        EXPECT_LE(bands.back().top, 0) << "height " << c.height;
        for (std::size_t k = 1; k < bands.size(); ++k)
            ASSERT_EQ(bands[k - 1].top, bands[k].bottom) << "height " << c.height << " band " << k;
    }
    const auto tall = wp::gradientBands(600, black, blue);
    EXPECT_EQ((wp::GradientBand{-2, 0, 254u << 16}), tall.back()) << "the last fill lies wholly above row 0";
    for (std::int32_t height = 1; height < 3000; ++height) {
        const auto count = wp::gradientBands(height, black, blue).size();
        ASSERT_LE(count, 510u) << height;
        if (height >= 510) {
            ASSERT_GE(count, 256u) << height;
        }
    }
}

TEST(Gradient, SurfacesUnderOnePixelHaveNoBands) {
    for (std::int32_t height : {0, -1, -2147483647 - 1}) EXPECT_TRUE(wp::gradientBands(height, black, blue).empty());
}

TEST(ColourComponents, ReadTheThreeLowBytes) {
    EXPECT_EQ((ColourComponents{0x11, 0x22, 0x33}), wp::componentsOf(0x00332211u));
    EXPECT_EQ((ColourComponents{0x11, 0x22, 0x33}), wp::componentsOf(0x80332211u)) << "the high byte is not a colour";
    EXPECT_EQ(0x00332211u, wp::colourOf({0x11, 0x22, 0x33}));
}

} // namespace
