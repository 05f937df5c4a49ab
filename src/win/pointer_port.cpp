#include "win/pointer_port.h"

#include <windows.h>

#include "core/numbers.h"
#include "win/text.h"

namespace wp::win {

void SystemPointer::setCursorPos(std::int32_t x, std::int32_t y) { SetCursorPos(x, y); }

void SystemPointer::reportUserInput() {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

void jumpPointerTo(PointerPort& port, const TextBox& xBox, const TextBox& yBox, char decimalSeparator) {
    const auto x = wholeNumber(toUtf8(xBox.text()), decimalSeparator);
    const auto y = wholeNumber(toUtf8(yBox.text()), decimalSeparator);
    if (x && y) jumpPointer(port, x.value, y.value);
}

} // namespace wp::win
