#include "win/user_input_watch.h"

#include "win/event_wait.h"

namespace wp::win {

UserInputWatch::UserInputWatch() {
    current_ = this;
    const HINSTANCE module = GetModuleHandleW(nullptr);
    mouse_.reset(SetWindowsHookExW(WH_MOUSE_LL, &UserInputWatch::mouseHook, module, 0));
    keyboard_.reset(SetWindowsHookExW(WH_KEYBOARD_LL, &UserInputWatch::keyboardHook, module, 0));
}

UserInputWatch::~UserInputWatch() {
    mouse_.reset();
    keyboard_.reset();
    current_ = nullptr;
}

LRESULT CALLBACK UserInputWatch::mouseHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && current_ && !(reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->flags & LLMHF_INJECTED))
        current_->lastInput_ = monotonicMilliseconds();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK UserInputWatch::keyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && current_ && !(reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->flags & LLKHF_INJECTED))
        current_->lastInput_ = monotonicMilliseconds();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool anyMouseButtonHeld() {
    for (const int button : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, VK_XBUTTON1, VK_XBUTTON2})
        if (GetAsyncKeyState(button) & 0x8000) return true;
    return false;
}

} // namespace wp::win
