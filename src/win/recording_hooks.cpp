#include "win/recording_hooks.h"

#include "core/mouse_buttons.h"

namespace wp::win {

// Events before the constructor returns, and after the destructor began, are no part of the recording.
RecordingHooks::RecordingHooks()
    : start_(GetTickCount()), hooks_(&RecordingHooks::mouseHook, &RecordingHooks::keyboardHook) {
    current_ = this;
}

RecordingHooks::~RecordingHooks() {
    current_ = nullptr; // then hooks_, the last member, ends the hooks' thread
}

LRESULT CALLBACK RecordingHooks::mouseHook(int code, WPARAM wParam, LPARAM lParam) {
    RecordingHooks* self = current_.load(std::memory_order_acquire);
    const auto message = static_cast<UINT>(wParam);
    if (code == HC_ACTION && self &&
        (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_RBUTTONDOWN ||
         message == WM_RBUTTONUP)) {
        const std::size_t written = self->written_.load(std::memory_order_relaxed);
        if (written - self->taken_.load(std::memory_order_acquire) < self->queue_.size()) {
            const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
            self->queue_[written % self->queue_.size()] = {message, event->pt, event->time, event->flags};
            self->written_.store(written + 1, std::memory_order_release);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK RecordingHooks::keyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    RecordingHooks* self = current_.load(std::memory_order_acquire);
    if (code == HC_ACTION && self && (wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN)) {
        const DWORD key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->vkCode;
        if (key == VK_F9 || key == VK_ESCAPE) self->stopKey_.store(true, std::memory_order_release);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::int64_t RecordingHooks::nowMs() const {
    return static_cast<std::int32_t>(GetTickCount() - start_);
}

std::vector<macro::ButtonEvent> RecordingHooks::take() {
    const std::size_t from = taken_.load(std::memory_order_relaxed);
    const std::size_t to = written_.load(std::memory_order_acquire);
    std::vector<macro::ButtonEvent> events;
    events.reserve(to - from);
    // The hook names the physical button; the entry names its role, as playing it back does.
    const bool swapped = GetSystemMetrics(SM_SWAPBUTTON) != 0;
    for (std::size_t i = from; i != to; ++i) {
        const Queued& q = queue_[i % queue_.size()];
        const bool physicalLeft = q.message == WM_LBUTTONDOWN || q.message == WM_LBUTTONUP;
        const bool left = mouse::swappedButton(physicalLeft ? 0 : 1, swapped) == 0;
        const bool down = q.message == WM_LBUTTONDOWN || q.message == WM_RBUTTONDOWN;
        // The tick count wraps every 49 days; the difference to the start does not mind.
        const std::int64_t time = static_cast<std::int32_t>(q.time - start_);
        events.push_back({left ? macro::RecordedButton::Left : macro::RecordedButton::Right, down, q.pt.x, q.pt.y, time,
                          (q.flags & LLMHF_INJECTED) != 0});
    }
    taken_.store(to, std::memory_order_release);
    return events;
}

macro::DoubleClickBounds systemDoubleClickBounds() {
    return {GetDoubleClickTime(), GetSystemMetrics(SM_CXDOUBLECLK), GetSystemMetrics(SM_CYDOUBLECLK)};
}

} // namespace wp::win
