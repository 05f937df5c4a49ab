// Guarded integer arithmetic of the mouse control: every result that leaves the 32-bit range is
// reported as MouseOverflow instead of wrapping.
#pragma once

#include <cstdint>
#include <stdexcept>

namespace wp::mouse {

class MouseOverflow : public std::overflow_error {
public:
    using std::overflow_error::overflow_error;
};

std::int32_t checkedInt32(std::int64_t value);

// Nearest integer, halves to the even neighbour.
std::int32_t roundToInt32(double value);

std::int32_t checkedSum(std::int32_t a, std::int32_t b);
std::int32_t checkedDifference(std::int32_t a, std::int32_t b);

// The half-sum of two integers taken to the nearest integer, halves to even (3, 4 -> 4; 2, 3 -> 2).
std::int32_t halfSum(std::int32_t a, std::int32_t b);

std::int32_t twipsToPixels(std::int32_t twips, float twipsPerPixel);
std::int32_t pixelsToTwips(std::int32_t pixels, float twipsPerPixel);

} // namespace wp::mouse
