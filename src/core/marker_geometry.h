// Where a marker window stands: its callers speak twips (15 to the pixel), the screen whole pixels.
#pragma once

#include <cstdint>

#include "core/numbers.h"

namespace wp {

inline constexpr int twipsPerPixel = 15;

// The side of a marker window in physical pixels at a monitor's DPI: 42 at 96 DPI. Always even, so
// that half of it is a whole pixel and a marker centred on a position reports that position back.
int markerSidePixels(unsigned dpi);

// Twips to whole screen pixels, halves to even; Overflow beyond a 32-bit pixel or for NaN.
Parsed<std::int32_t> twipsToPixels(double twips);

// The left (or top) edge, in twips, that centres a marker of the given width on a screen position.
double markerEdgeTwips(double position, double widthTwips);

// The screen position under a marker's centre, from its left (or top) edge in pixels and its width
// in twips; single precision, as the marker reports it.
float markerCentre(std::int32_t edgePixels, std::int32_t widthTwips);

} // namespace wp
