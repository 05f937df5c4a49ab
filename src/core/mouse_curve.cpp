#include "core/mouse_curve.h"

#include <stdexcept>

#include "core/mouse_arithmetic.h"

namespace wp::mouse {
namespace {

ScreenPoint mid(ScreenPoint a, ScreenPoint b) {
    return {halfSum(a.x, b.x), halfSum(a.y, b.y)};
}

void split(PointTable& table, ScreenPoint p1, ScreenPoint p2, ScreenPoint p3, ScreenPoint p4, int depth) {
    if (depth == 0) {
        table.append(p4);
        return;
    }
    const ScreenPoint a = mid(p1, p2);
    const ScreenPoint t = mid(p2, p3);
    const ScreenPoint c = mid(p3, p4);
    const ScreenPoint b = mid(a, t);
    const ScreenPoint d = mid(t, c);
    const ScreenPoint m = mid(b, d);
    split(table, p1, a, b, m, depth - 1);
    split(table, m, d, c, p4, depth - 1);
}

} // namespace

void PointTable::start(ScreenPoint first) {
    points_[0] = first;
    count_ = 1;
}

void PointTable::append(ScreenPoint point) {
    if (count_ >= capacity) throw std::length_error("mouse: curve point table full");
    points_[static_cast<std::size_t>(count_)] = point;
    ++count_;
}

void subdivideCurve(PointTable& table, ScreenPoint p1, ScreenPoint p2, ScreenPoint p3, ScreenPoint p4,
                    std::int16_t depth) {
    // Checked before the first point, so a refused call leaves the table as it was.
    if (depth < 0 || depth > 30 || (std::int64_t{1} << depth) > PointTable::capacity - table.count())
        throw std::length_error("mouse: curve depth beyond the point table");
    split(table, p1, p2, p3, p4, depth);
}

} // namespace wp::mouse
