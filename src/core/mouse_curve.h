// The points of one cubic curve, split by repeated halving on integers.
#pragma once

#include <array>
#include <cstdint>

#include "core/mouse_platform.h"

namespace wp::mouse {

// Entry 1 is the curve's start, the following entries the ends of its pieces.
class PointTable {
public:
    static constexpr std::int32_t capacity = 2049;

    // Entry 1 becomes the point; the count starts again at 1.
    void start(ScreenPoint first);
    // Throws std::length_error when the table is full.
    void append(ScreenPoint point);
    std::int32_t count() const { return count_; }
    // Numbered from 1, as the count is.
    ScreenPoint entry(std::int32_t number) const { return points_.at(static_cast<std::size_t>(number - 1)); }

private:
    std::array<ScreenPoint, capacity> points_{};
    std::int32_t count_ = 0;
};

// Appends the 2^depth piece ends of the curve p1..p4 (p4 last). Each midpoint is taken to an
// integer before it is used again. Throws MouseOverflow when a coordinate sum leaves the 32-bit
// range, std::length_error for a negative depth or one the table has no room for.
void subdivideCurve(PointTable& table, ScreenPoint p1, ScreenPoint p2, ScreenPoint p3, ScreenPoint p4,
                    std::int16_t depth);

} // namespace wp::mouse
