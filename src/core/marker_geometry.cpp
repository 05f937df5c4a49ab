#include "core/marker_geometry.h"

namespace wp {

int markerSidePixels(unsigned dpi) {
    constexpr unsigned designDpi = 96;
    constexpr unsigned halfSide96 = 21;
    if (dpi == 0) dpi = designDpi;
    return static_cast<int>(2 * ((halfSide96 * dpi + designDpi / 2) / designDpi));
}

Parsed<std::int32_t> twipsToPixels(double twips) { return toInt32(twips / twipsPerPixel); }

double markerEdgeTwips(double position, double widthTwips) { return position * twipsPerPixel - widthTwips / 2; }

float markerCentre(std::int32_t edgePixels, std::int32_t widthTwips) {
    const float half = static_cast<float>(roundHalfEven(widthTwips / 2.0));
    const float edgeTwips = static_cast<float>(edgePixels) * twipsPerPixel;
    return (edgeTwips + half) / static_cast<float>(twipsPerPixel);
}

} // namespace wp
