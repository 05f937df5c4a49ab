// A key's presses seen through polls of its asynchronous state: the high bit while it is down,
// the low bit when it went down since the previous poll.
#pragma once

#include <cstdint>

namespace wp {

// Each press counts once. A key already down when the watch starts (the one that started the
// program, say) counts only once it has been let go and pressed again.
class KeyPressWatch {
public:
    explicit KeyPressWatch(std::uint16_t stateAtStart) : wasDown_(isDown(stateAtStart)) {}

    bool pressed(std::uint16_t state) {
        const bool down = isDown(state);
        const bool press = !wasDown_ && (down || (state & 1u) != 0);
        wasDown_ = down;
        return press;
    }

private:
    static bool isDown(std::uint16_t state) { return (state & 0x8000u) != 0; }
    bool wasDown_;
};

} // namespace wp
