// The system's pointer: an exact-pixel jump that also counts as user input.
#pragma once

#include "core/pointer.h"

namespace wp::win {

class SystemPointer final : public PointerPort {
public:
    void setCursorPos(std::int32_t x, std::int32_t y) override;
    // SetCursorPos alone does not restart the system's idle timer; a relative move of zero does.
    void reportUserInput() override;
};

} // namespace wp::win
