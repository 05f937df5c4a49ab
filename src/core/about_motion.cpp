#include "core/about_motion.h"

#include "core/numbers.h"

namespace wp {

bool CommentsScroll::tick(std::int32_t textHeight, std::int32_t containerHeight) {
    if (textHeight <= containerHeight) return false;
    top_ -= step;
    // Wholly above the container: come in again just below its bottom edge.
    if (top_ <= -static_cast<double>(textHeight)) top_ = containerHeight + 2.0;
    return true;
}

std::int32_t CommentsScroll::drawnTop() const { return static_cast<std::int32_t>(roundHalfEven(top_)); }

bool picksUpLogo(std::int32_t button, std::int32_t shift) { return button == LeftButton && shift == CtrlKey; }

PixelPoint logoFollowPlace(PixelPoint pointer, PixelPoint windowOuterCorner, std::int32_t logoWidth,
                           std::int32_t logoHeight) {
    const double relX = static_cast<double>(pointer.x) - windowOuterCorner.x;
    const double relY = static_cast<double>(pointer.y) - windowOuterCorner.y;
    return {static_cast<std::int32_t>(roundHalfEven(relX - logoWidth / 2.0)),
            static_cast<std::int32_t>(roundHalfEven(relY - logoHeight / 2.0))};
}

} // namespace wp
