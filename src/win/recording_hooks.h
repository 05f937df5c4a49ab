// What a macro recording listens to: the user's button presses and releases, the wheel and the
// keyboard (the keys that stop it, F9 and ESC, among them), from anywhere on the desktop. The hooks
// run on a thread of their own (win/hook_thread.h) and put each event in a fixed queue that never
// makes them wait.
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/macro_recording.h"
#include "win/hook_thread.h"

namespace wp::win {

// One at a time; its owner takes the events on any one thread.
class RecordingHooks {
public:
    RecordingHooks();
    ~RecordingHooks();
    RecordingHooks(const RecordingHooks&) = delete;
    RecordingHooks& operator=(const RecordingHooks&) = delete;

    // False when the system refused a hook; the reason is the thread's last error.
    bool installed() const { return hooks_.installed(); }

    // The events queued since the last call, in order; times on nowMs()'s clock. A key carries
    // what it types in the layout of the window in front.
    std::vector<macro::InputEvent> take();
    // Milliseconds since the hooks were installed, on the clock of the events.
    std::int64_t nowMs() const;
    bool stopKeyPressed() const { return stopKey_.load(std::memory_order_acquire); }

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

    // On the hooks' thread: never waits, drops the event when the queue is full.
    static void queue(const Queued& q);
    macro::KeyEvent keyEvent(const Queued& q);

    static inline std::atomic<RecordingHooks*> current_ = nullptr;
    const DWORD start_;
    // Written by the hooks' thread only, read by the owner's: each count only grows. A poll takes
    // the queue every few milliseconds; hands do not fill it in that time, nor in a blocked second.
    std::array<Queued, 256> queue_{};
    std::atomic<std::size_t> written_ = 0, taken_ = 0;
    std::atomic<bool> stopKey_ = false;
    BYTE keyState_[256]{}; // the owner's: the modifiers as the taken keys leave them
    HookThread hooks_; // last: it starts once the rest is ready, and ends first
};

// The system's double-click time and rectangle, which also tell a click from a drag.
macro::DoubleClickBounds systemDoubleClickBounds();

} // namespace wp::win
