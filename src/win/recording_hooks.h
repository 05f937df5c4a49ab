// What a macro recording listens to: the user's left and right button presses and releases, and
// the keys that stop it (F9, ESC), from anywhere on the desktop. The hooks put each event in a
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

    // The events queued since the last call, in order; times on nowMs()'s clock.
    std::vector<macro::ButtonEvent> take();
    // Milliseconds since the hooks were installed, on the clock of the events.
    std::int64_t nowMs() const;
    bool stopKeyPressed() const { return stopKey_; }

    static LRESULT CALLBACK mouseHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK keyboardHook(int code, WPARAM wParam, LPARAM lParam);

private:
    struct Queued {
        UINT message;
        POINT pt;
        DWORD time;
        DWORD flags;
    };

    static inline RecordingHooks* current_ = nullptr;
    const DWORD start_;
    // A poll takes the queue every few milliseconds; hands do not fill it in that time.
    std::array<Queued, 256> queue_{};
    std::size_t queued_ = 0;
    bool stopKey_ = false;
    Hook mouse_, keyboard_;
};

// The system's double-click time and rectangle, which also tell a click from a drag.
macro::DoubleClickBounds systemDoubleClickBounds();

} // namespace wp::win
