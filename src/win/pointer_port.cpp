#include "win/pointer_port.h"

#include <windows.h>

namespace wp::win {

void SystemPointer::setCursorPos(std::int32_t x, std::int32_t y) { SetCursorPos(x, y); }

void SystemPointer::reportUserInput() {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

} // namespace wp::win
