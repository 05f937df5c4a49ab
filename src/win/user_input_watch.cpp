#include "win/user_input_watch.h"

#include "win/event_wait.h"

namespace wp::win {

UserInputWatch::UserInputWatch() : hooks_(&UserInputWatch::mouseHook, &UserInputWatch::keyboardHook) {
    current_ = this;
}

UserInputWatch::~UserInputWatch() {
    current_ = nullptr; // then hooks_, the last member, ends the hooks' thread
}

std::optional<double> UserInputWatch::lastInputMs() const {
    const double last = lastInput_.load(std::memory_order_relaxed);
    return last > -std::numeric_limits<double>::infinity() ? std::optional(last) : std::nullopt;
}

void UserInputWatch::noteInput() {
    if (UserInputWatch* self = current_.load(std::memory_order_acquire))
        self->lastInput_.store(monotonicMilliseconds(), std::memory_order_relaxed);
}

LRESULT CALLBACK UserInputWatch::mouseHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && !(reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->flags & LLMHF_INJECTED)) noteInput();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK UserInputWatch::keyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && !(reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->flags & LLKHF_INJECTED)) noteInput();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool anyMouseButtonHeld() {
    for (const int button : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, VK_XBUTTON1, VK_XBUTTON2})
        if (GetAsyncKeyState(button) & 0x8000) return true;
    return false;
}

} // namespace wp::win
