#include "core/gradient.h"

#include "core/numbers.h"

namespace wp {

ColourComponents componentsOf(std::uint32_t rgb) {
    return {static_cast<std::int16_t>(rgb & 0xFF), static_cast<std::int16_t>((rgb >> 8) & 0xFF),
            static_cast<std::int16_t>((rgb >> 16) & 0xFF)};
}

std::uint32_t colourOf(ColourComponents c) {
    auto byte = [](std::int16_t v) { return static_cast<std::uint32_t>(v) & 0xFF; };
    return byte(c.red) | byte(c.green) << 8 | byte(c.blue) << 16;
}

std::int32_t gradientBandHeight(std::int32_t height) {
    const std::int32_t b = height / 255;
    return b > 0 ? b : 1;
}

std::vector<GradientBand> gradientBands(std::int32_t height, ColourComponents start, ColourComponents end) {
    std::vector<GradientBand> bands;
    if (height < 1) return bands;
    const std::int32_t b = gradientBandHeight(height);
    const double h = height;
    const double deltaRed = end.red - start.red;
    const double deltaGreen = end.green - start.green;
    const double deltaBlue = end.blue - start.blue;
    auto step = [h](double delta, std::int16_t from, std::int32_t done) {
        return static_cast<std::int16_t>(roundHalfEven(done * delta / h + from));
    };

    bands.reserve(static_cast<std::size_t>(height / b) + 1);
    ColourComponents current = start;
    std::int32_t bottom = height;
    for (std::int32_t i = height; i >= 0; i -= b) {
        bands.push_back({bottom - b, bottom, colourOf(current)});
        bottom -= b;
        const std::int32_t done = height - i;
        current = {step(deltaRed, start.red, done), step(deltaGreen, start.green, done),
                   step(deltaBlue, start.blue, done)};
    }
    return bands;
}

} // namespace wp
