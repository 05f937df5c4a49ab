// What a macro recording listens to: the user's button presses and releases, the wheel and the
// keyboard (the keys that stop it, F9 and ESC, among them), from anywhere on the desktop. The hooks put each event in a
// fixed queue and return at once: the system removes a low-level hook that keeps it waiting.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/macro_recording.h"
#include "win/handle.h"

namespace wp::win {

// One at a time, on the thread that runs the message loop (the hooks are called there).
class RecordingHooks {
public:
    RecordingHooks();
    ~RecordingHooks();
    RecordingHooks(const RecordingHooks&) = delete;
    RecordingHooks& operator=(const RecordingHooks&) = delete;

    // False when the system refused a hook; the reason is the thread's last error.
    bool installed() const { return mouse_ && keyboard_; }

    // The events queued since the last call, in order; times on nowMs()'s clock. A key carries
    // what it types in the layout of the window in front.
    std::vector<macro::InputEvent> take();
    // Milliseconds since the hooks were installed, on the clock of the events.
    std::int64_t nowMs() const;
    bool stopKeyPressed() const { return stopKey_; }

    static LRESULT CALLBACK mouseHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK keyboardHook(int code, WPARAM wParam, LPARAM lParam);

private:
    struct Queued {
        bool key;
        UINT message;
        POINT pt;
        DWORD time;
        DWORD flags;
        DWORD data; // the key's code, or the wheel's turn
        DWORD scanCode;
    };

    macro::KeyEvent keyEvent(const Queued& q);
    static bool queue(const Queued& q);

    static inline RecordingHooks* current_ = nullptr;
    const DWORD start_;
    // A poll takes the queue every few milliseconds; hands do not fill it in that time.
    std::array<Queued, 256> queue_{};
    std::size_t queued_ = 0;
    bool stopKey_ = false;
    BYTE keyState_[256]{}; // the modifiers as the queued keys leave them, for what a key types
    Hook mouse_, keyboard_;
};

// The system's double-click time and rectangle, which also tell a click from a drag.
macro::DoubleClickBounds systemDoubleClickBounds();

} // namespace wp::win
