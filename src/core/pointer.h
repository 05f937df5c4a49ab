// The one road by which the program puts the pointer on a screen position.
#pragma once

#include <cstdint>

namespace wp {

class PointerPort {
public:
    virtual ~PointerPort() = default;
    // Puts the pointer on the exact physical pixel.
    virtual void setCursorPos(std::int32_t x, std::int32_t y) = 0;
    // Reports the move as user input, so the system's idle timer starts again.
    virtual void reportUserInput() = 0;
};

// A jump of the pointer that also counts as the user's own activity.
inline void jumpPointer(PointerPort& port, std::int32_t x, std::int32_t y) {
    port.setCursorPos(x, y);
    port.reportUserInput();
}

} // namespace wp
