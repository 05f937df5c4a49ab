#include "macro/stand_ins.h"

namespace wp::macro {
namespace {

void click(std::int32_t lButton, int times) {
    const DWORD down = lButton == 1 ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    const DWORD up = lButton == 1 ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    INPUT inputs[4]{};
    UINT count = 0;
    for (int i = 0; i < times; ++i) {
        for (DWORD flags : {down, up}) {
            inputs[count].type = INPUT_MOUSE;
            inputs[count].mi.dwFlags = flags;
            ++count;
        }
    }
    SendInput(count, inputs, sizeof(INPUT));
}

} // namespace

void SendInputClicks::SingleClick(std::int32_t lButton) { click(lButton, 1); }
void SendInputClicks::DoubleClick(std::int32_t lButton) { click(lButton, 2); }

} // namespace wp::macro
