// The system's pointer: an exact-pixel jump that also counts as user input.
#pragma once

#include "core/pointer.h"
#include "win/controls.h"

namespace wp::win {

class SystemPointer final : public PointerPort {
public:
    void setCursorPos(std::int32_t x, std::int32_t y) override;
    // SetCursorPos alone does not restart the system's idle timer; a relative move of zero does.
    void reportUserInput() override;
};

// Jumps to the position two boxes hold; a box that is not a whole number leaves the pointer alone.
void jumpPointerTo(PointerPort& port, const TextBox& xBox, const TextBox& yBox, char decimalSeparator);

} // namespace wp::win
