// When the user last gave input of their own: a key, a button, a wheel turn or a move. Low-level
// hooks tell the user's input from injected input (this program's clicks, other tools'), which
// the system's last-input time counts alike. The hooks only note the time and return at once:
// the system removes a low-level hook that keeps it waiting.
#pragma once

#include <windows.h>

#include <optional>

#include "win/handle.h"

namespace wp::win {

// One watch at a time, on the thread that runs the message loop (the hooks are called there).
class UserInputWatch {
public:
    UserInputWatch();
    ~UserInputWatch();
    UserInputWatch(const UserInputWatch&) = delete;
    UserInputWatch& operator=(const UserInputWatch&) = delete;

    // On the clock of monotonicMilliseconds(); none: no input seen since the watch began.
    std::optional<double> lastInputMs() const { return lastInput_; }

private:
    static LRESULT CALLBACK mouseHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK keyboardHook(int code, WPARAM wParam, LPARAM lParam);

    static inline UserInputWatch* current_ = nullptr;
    std::optional<double> lastInput_;
    Hook mouse_, keyboard_;
};

// The physical state of the mouse buttons: true while any of them is held.
bool anyMouseButtonHeld();

} // namespace wp::win
