// When the user last gave input of their own: a key, a button, a wheel turn or a move. Low-level
// hooks tell the user's input from injected input (this program's clicks, other tools'), which
// the system's last-input time counts alike. The hooks run on a thread of their own
// (win/hook_thread.h) and only note the time.
#pragma once

#include <windows.h>

#include <atomic>
#include <limits>
#include <optional>

#include "win/hook_thread.h"

namespace wp::win {

// One watch at a time.
class UserInputWatch {
public:
    UserInputWatch();
    ~UserInputWatch();
    UserInputWatch(const UserInputWatch&) = delete;
    UserInputWatch& operator=(const UserInputWatch&) = delete;

    // On the clock of monotonicMilliseconds(); none: no input seen since the watch began.
    std::optional<double> lastInputMs() const;

private:
    static LRESULT CALLBACK mouseHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK keyboardHook(int code, WPARAM wParam, LPARAM lParam);

    static void noteInput();

    static inline std::atomic<UserInputWatch*> current_ = nullptr;
    std::atomic<double> lastInput_ = -std::numeric_limits<double>::infinity(); // none yet
    HookThread hooks_; // last: it starts once the rest is ready, and ends first
};

// The physical state of the mouse buttons: true while any of them is held.
bool anyMouseButtonHeld();

} // namespace wp::win
