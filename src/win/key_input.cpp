#include "win/key_input.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace wp::win {

bool sendKeyStrokes(const std::vector<macro::KeyStroke>& strokes) {
    if (strokes.empty()) return true;
    std::vector<INPUT> inputs(strokes.size());
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        const macro::KeyStroke& stroke = strokes[i];
        KEYBDINPUT& key = inputs[i].ki;
        inputs[i].type = INPUT_KEYBOARD;
        if (stroke.unit != 0) {
            key.wScan = stroke.unit;
            key.dwFlags = KEYEVENTF_UNICODE;
        } else {
            key.wVk = stroke.vk;
            key.wScan = static_cast<WORD>(MapVirtualKeyW(stroke.vk, MAPVK_VK_TO_VSC));
            key.dwFlags = stroke.extended ? KEYEVENTF_EXTENDEDKEY : 0;
        }
        if (stroke.up) key.dwFlags |= KEYEVENTF_KEYUP;
    }
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != 0;
}

unsigned heldModifiers(SHORT(WINAPI* keyState)(int)) {
    const auto held = [keyState](int vk) { return keyState(vk) < 0; };
    return (held(VK_CONTROL) ? macro::modCtrl : 0u) | (held(VK_MENU) ? macro::modAlt : 0u) |
           (held(VK_SHIFT) ? macro::modShift : 0u) | (held(VK_LWIN) || held(VK_RWIN) ? macro::modWin : 0u);
}

void turnWheel(int notches) {
    constexpr int most = INT_MAX / WHEEL_DELTA;
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    input.mi.mouseData = static_cast<DWORD>(std::clamp(notches, -most, most) * WHEEL_DELTA);
    SendInput(1, &input, sizeof input);
}

} // namespace wp::win
