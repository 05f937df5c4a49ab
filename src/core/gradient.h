// The side bar's gradient: horizontal bands painted from the bottom edge upward.
#pragma once

#include <cstdint>
#include <vector>

namespace wp {

// A colour as red, green and blue (0..255 each).
struct ColourComponents {
    std::int16_t red = 0, green = 0, blue = 0;
    bool operator==(const ColourComponents&) const = default;
};

// The components of a colour reference (red in the low byte, then green, then blue).
ColourComponents componentsOf(std::uint32_t rgb);
std::uint32_t colourOf(ColourComponents c);

struct GradientBand {
    std::int32_t top, bottom; // rows top..bottom-1; the last band may lie above row 0
    std::uint32_t colour;     // a colour reference
    bool operator==(const GradientBand&) const = default;
};

// Band height: one pixel up to 509 rows, then height / 255 so that the work stays bounded.
std::int32_t gradientBandHeight(std::int32_t height);

// The bands in painting order, bottom first, for a surface `height` pixels high. The colour steps
// after each band, so the two lowest bands both have the start colour. Empty when height < 1:
// such a surface shows nothing and there is no step to take.
std::vector<GradientBand> gradientBands(std::int32_t height, ColourComponents start, ColourComponents end);

} // namespace wp
