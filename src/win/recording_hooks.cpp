#include "win/recording_hooks.h"

#include "core/mouse_buttons.h"

namespace wp::win {

RecordingHooks::RecordingHooks() : start_(GetTickCount()) {
    current_ = this;
    const HINSTANCE module = GetModuleHandleW(nullptr);
    mouse_.reset(SetWindowsHookExW(WH_MOUSE_LL, &RecordingHooks::mouseHook, module, 0));
    keyboard_.reset(SetWindowsHookExW(WH_KEYBOARD_LL, &RecordingHooks::keyboardHook, module, 0));
}

RecordingHooks::~RecordingHooks() {
    mouse_.reset();
    keyboard_.reset();
    current_ = nullptr;
}

LRESULT CALLBACK RecordingHooks::mouseHook(int code, WPARAM wParam, LPARAM lParam) {
    RecordingHooks* self = current_;
    const auto message = static_cast<UINT>(wParam);
    if (code == HC_ACTION && self && self->queued_ < self->queue_.size() &&
        (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_RBUTTONDOWN ||
         message == WM_RBUTTONUP)) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        self->queue_[self->queued_++] = {message, event->pt, event->time, event->flags};
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK RecordingHooks::keyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && current_ && (wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN)) {
        const DWORD key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->vkCode;
        if (key == VK_F9 || key == VK_ESCAPE) current_->stopKey_ = true;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::int64_t RecordingHooks::nowMs() const {
    return static_cast<std::int32_t>(GetTickCount() - start_);
}

std::vector<macro::ButtonEvent> RecordingHooks::take() {
    std::vector<macro::ButtonEvent> events;
    events.reserve(queued_);
    // The hook names the physical button; the entry names its role, as playing it back does.
    const bool swapped = GetSystemMetrics(SM_SWAPBUTTON) != 0;
    for (std::size_t i = 0; i < queued_; ++i) {
        const Queued& q = queue_[i];
        const bool physicalLeft = q.message == WM_LBUTTONDOWN || q.message == WM_LBUTTONUP;
        const bool left = mouse::swappedButton(physicalLeft ? 0 : 1, swapped) == 0;
        const bool down = q.message == WM_LBUTTONDOWN || q.message == WM_RBUTTONDOWN;
        // The tick count wraps every 49 days; the difference to the start does not mind.
        const std::int64_t time = static_cast<std::int32_t>(q.time - start_);
        events.push_back({left ? macro::RecordedButton::Left : macro::RecordedButton::Right, down, q.pt.x, q.pt.y, time,
                          (q.flags & LLMHF_INJECTED) != 0});
    }
    queued_ = 0;
    return events;
}

macro::DoubleClickBounds systemDoubleClickBounds() {
    return {GetDoubleClickTime(), GetSystemMetrics(SM_CXDOUBLECLK), GetSystemMetrics(SM_CYDOUBLECLK)};
}

} // namespace wp::win
