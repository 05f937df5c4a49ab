// The about window's two animations: the rising comments and the logo that follows the pointer.
#pragma once

#include <cstdint>

namespace wp {

// The comments label's floating top inside its container, in pixels.
class CommentsScroll {
public:
    static constexpr double step = 0.5;

    // One tick with the wrapped text's height. Returns false when the text fits the container:
    // then nothing moves and the ticking ends for good.
    bool tick(std::int32_t textHeight, std::int32_t containerHeight);

    double top() const { return top_; }
    // Where the label is drawn: the floating top to the nearest pixel, halves to even.
    std::int32_t drawnTop() const;

private:
    double top_ = 0;
};

// Mouse button and modifier codes as the handlers receive them.
enum MouseButton : std::int32_t { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum ShiftKeys : std::int32_t { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

// Only a left press with exactly Ctrl held picks the logo up.
bool picksUpLogo(std::int32_t button, std::int32_t shift);

struct PixelPoint {
    std::int32_t x, y;
    bool operator==(const PixelPoint&) const = default;
};

// The logo's top-left corner that puts its centre at the pointer's offset from the window's outer
// corner (a half pixel goes to the even neighbour).
PixelPoint logoFollowPlace(PixelPoint pointer, PixelPoint windowOuterCorner, std::int32_t logoWidth,
                           std::int32_t logoHeight);

} // namespace wp
