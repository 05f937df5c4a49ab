// Buttons by role, as the macro commands and the mouse control number them: 0 the primary button (a
// "left click"), 1 the secondary one, 2 the middle one. With the buttons swapped for a left hand the
// primary is the right physical button; injected presses and low-level hooks name physical buttons.
#pragma once

#include <cstdint>

namespace wp::mouse {

// The physical button of a logical one, or the logical button of a physical one: the swap undoes itself.
constexpr std::int32_t swappedButton(std::int32_t button, bool swapped) {
    return swapped && (button == 0 || button == 1) ? 1 - button : button;
}

} // namespace wp::mouse
