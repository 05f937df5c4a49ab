#include "core/mouse_arithmetic.h"

#include <cstdint>

#include "core/numbers.h"

namespace wp::mouse {
std::int32_t checkedInt32(std::int64_t value) {
    if (value < INT32_MIN || value > INT32_MAX) throw MouseOverflow("mouse: integer result out of range");
    return static_cast<std::int32_t>(value);
}

std::int32_t roundToInt32(double value) {
    const Parsed<std::int32_t> whole = toInt32(value);
    if (!whole) throw MouseOverflow("mouse: value out of the 32-bit range");
    return whole.value;
}

std::int32_t checkedSum(std::int32_t a, std::int32_t b) {
    return checkedInt32(std::int64_t{a} + std::int64_t{b});
}

std::int32_t checkedDifference(std::int32_t a, std::int32_t b) {
    return checkedInt32(std::int64_t{a} - std::int64_t{b});
}

std::int32_t halfSum(std::int32_t a, std::int32_t b) {
    const std::int32_t sum = checkedSum(a, b);
    // Halves go to the even neighbour; exact in integers, no floating step needed.
    const std::int32_t lower = sum / 2 - (sum % 2 < 0 ? 1 : 0); // floor
    if (sum % 2 == 0 || lower % 2 == 0) return lower;
    return lower + 1;
}

std::int32_t twipsToPixels(std::int32_t twips, float twipsPerPixel) {
    return roundToInt32(static_cast<double>(twips) / static_cast<double>(twipsPerPixel));
}

std::int32_t pixelsToTwips(std::int32_t pixels, float twipsPerPixel) {
    return roundToInt32(static_cast<double>(twipsPerPixel) * static_cast<double>(pixels));
}

} // namespace wp::mouse
