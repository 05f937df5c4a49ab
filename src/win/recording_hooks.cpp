#include "win/recording_hooks.h"

#include <array>

#include "core/key_names.h"
#include "win/text.h"

namespace wp::win {
namespace {

constexpr int modifierKeys[] = {VK_SHIFT,   VK_LSHIFT, VK_RSHIFT, VK_CONTROL, VK_LCONTROL,
                                VK_RCONTROL, VK_MENU,   VK_LMENU,  VK_RMENU,   VK_LWIN,
                                VK_RWIN};

bool isButtonMessage(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEWHEEL:
        return true;
    default:
        return false;
    }
}

} // namespace

RecordingHooks::RecordingHooks() : start_(GetTickCount()) {
    for (const int vk : modifierKeys)
        if (GetAsyncKeyState(vk) & 0x8000) keyState_[vk] = 0x80;
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

bool RecordingHooks::queue(const Queued& q) {
    RecordingHooks* self = current_;
    if (!self || self->queued_ >= self->queue_.size()) return false;
    self->queue_[self->queued_++] = q;
    return true;
}

LRESULT CALLBACK RecordingHooks::mouseHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto message = static_cast<UINT>(wParam);
    if (code == HC_ACTION && isButtonMessage(message)) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        queue({false, message, event->pt, event->time, event->flags, event->mouseData, 0});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK RecordingHooks::keyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && current_) {
        const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        if (down && (event->vkCode == VK_F9 || event->vkCode == VK_ESCAPE)) current_->stopKey_ = true;
        queue({true, static_cast<UINT>(wParam), {}, event->time, event->flags, event->vkCode, event->scanCode});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::int64_t RecordingHooks::nowMs() const {
    return static_cast<std::int32_t>(GetTickCount() - start_);
}

// What the key types is asked of the layout with the modifiers the recording has seen, without
// touching the keyboard state the user's dead keys live in.
macro::KeyEvent RecordingHooks::keyEvent(const Queued& q) {
    const bool down = q.message == WM_KEYDOWN || q.message == WM_SYSKEYDOWN;
    const auto vk = static_cast<BYTE>(q.data);
    macro::KeyEvent event{vk, down, "", false, static_cast<std::int32_t>(q.time - start_), (q.flags & LLKHF_INJECTED) != 0};
    if (macro::isModifierKey(vk)) {
        keyState_[vk] = down ? 0x80 : 0;
        for (const auto& [generic, left, right] : {std::array{VK_SHIFT, VK_LSHIFT, VK_RSHIFT},
                                                   std::array{VK_CONTROL, VK_LCONTROL, VK_RCONTROL},
                                                   std::array{VK_MENU, VK_LMENU, VK_RMENU}})
            keyState_[generic] = (keyState_[left] | keyState_[right]) & 0x80;
        return event;
    }
    if (!down) return event;
    keyState_[VK_CAPITAL] = static_cast<BYTE>(GetKeyState(VK_CAPITAL) & 1);
    const HKL layout = GetKeyboardLayout(GetWindowThreadProcessId(GetForegroundWindow(), nullptr));
    wchar_t typed[8]{};
    constexpr UINT keepKeyboardState = 4;
    const int n = ToUnicodeEx(vk, q.scanCode, keyState_, typed, 8, keepKeyboardState, layout);
    event.dead = n < 0;
    if (n > 0) event.characters = toUtf8(std::wstring(typed, static_cast<std::size_t>(n)));
    return event;
}

std::vector<macro::InputEvent> RecordingHooks::take() {
    std::vector<macro::InputEvent> events;
    events.reserve(queued_);
    for (std::size_t i = 0; i < queued_; ++i) {
        const Queued& q = queue_[i];
        if (q.key) {
            events.push_back(keyEvent(q));
            continue;
        }
        // The tick count wraps every 49 days; the difference to the start does not mind.
        const std::int64_t time = static_cast<std::int32_t>(q.time - start_);
        const bool injected = (q.flags & LLMHF_INJECTED) != 0;
        if (q.message == WM_MOUSEWHEEL) {
            const double notches = static_cast<double>(static_cast<short>(HIWORD(q.data))) / WHEEL_DELTA;
            events.push_back(macro::WheelEvent{notches, q.pt.x, q.pt.y, time, injected});
            continue;
        }
        const bool left = q.message == WM_LBUTTONDOWN || q.message == WM_LBUTTONUP;
        const bool middle = q.message == WM_MBUTTONDOWN || q.message == WM_MBUTTONUP;
        const bool down = q.message == WM_LBUTTONDOWN || q.message == WM_RBUTTONDOWN || q.message == WM_MBUTTONDOWN;
        const auto button = left ? macro::RecordedButton::Left
                                 : middle ? macro::RecordedButton::Middle : macro::RecordedButton::Right;
        events.push_back(macro::ButtonEvent{button, down, q.pt.x, q.pt.y, time, injected});
    }
    queued_ = 0;
    return events;
}

macro::DoubleClickBounds systemDoubleClickBounds() {
    return {GetDoubleClickTime(), GetSystemMetrics(SM_CXDOUBLECLK), GetSystemMetrics(SM_CYDOUBLECLK)};
}

} // namespace wp::win
