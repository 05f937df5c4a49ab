#include "win/hot_key.h"

namespace wp::win {
namespace {

constexpr struct {
    unsigned modifier;
    UINT system;
} modifierFlags[] = {
    {macro::modCtrl, MOD_CONTROL}, {macro::modAlt, MOD_ALT}, {macro::modShift, MOD_SHIFT}, {macro::modWin, MOD_WIN}};

} // namespace

bool HotKey::take(HWND window, int id, macro::KeyChord chord) {
    release();
    UINT flags = MOD_NOREPEAT;
    for (const auto& m : modifierFlags)
        if (chord.modifiers & m.modifier) flags |= m.system;
    if (!RegisterHotKey(window, id, flags, chord.vk)) return false;
    window_ = window;
    id_ = id;
    return true;
}

void HotKey::release() {
    if (window_) UnregisterHotKey(window_, id_);
    window_ = nullptr;
}

} // namespace wp::win
