// A key combination that reaches a window from any application, held while this lives.
#pragma once

#include <windows.h>

#include "core/key_names.h"

namespace wp::win {

class HotKey {
public:
    HotKey() = default;
    HotKey(const HotKey&) = delete;
    HotKey& operator=(const HotKey&) = delete;
    ~HotKey() { release(); }

    // WM_HOTKEY with the id goes to the window for each press of the chord; a key held down
    // counts once. False, with the chord not taken, when another program (or window) holds it.
    bool take(HWND window, int id, macro::KeyChord chord);
    void release();
    bool held() const { return window_ != nullptr; }

private:
    HWND window_ = nullptr;
    int id_ = 0;
};

} // namespace wp::win
