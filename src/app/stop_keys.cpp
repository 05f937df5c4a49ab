#include "app/stop_keys.h"

#include "win/key_input.h"

namespace wp::app {
namespace {

std::uint16_t keyState(int vk) {
    return static_cast<std::uint16_t>(GetAsyncKeyState(vk));
}

} // namespace

StopKeys::StopKeys(std::initializer_list<int> polled, const std::optional<macro::KeyChord>& chosen, bool& stop)
    : stop_(stop) {
    for (const int vk : polled)
        watches_.push_back({vk, std::nullopt, KeyPressWatch(keyState(vk))});
    CreateArgs args;
    args.style = 0;
    args.parent = HWND_MESSAGE;
    if (!create(ClassInfo{L"WanderpointStopKeys"}, args)) return;
    // Another program may hold the chosen key (the macro window of another copy, say): then it is
    // polled like the others, which a person's press, longer than a poll, does not slip through.
    if (chosen && !chosen_.take(hwnd(), hotKeyId, *chosen))
        watches_.push_back({chosen->vk, chosen->modifiers, KeyPressWatch(keyState(chosen->vk))});
    SetTimer(hwnd(), pollTimerId, pollMilliseconds, nullptr);
}

StopKeys::~StopKeys() {
    chosen_.release();
    destroy();
}

void StopKeys::poll() {
    for (Watch& watch : watches_)
        if (watch.press.pressed(keyState(watch.vk)) && (!watch.modifiers || *watch.modifiers == win::heldModifiers(GetAsyncKeyState)))
            stop_ = true;
}

LRESULT StopKeys::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == pollTimerId) {
        poll();
        return 0;
    }
    if (message == WM_HOTKEY && wParam == hotKeyId) {
        stop_ = true;
        return 0;
    }
    return defaultProc(message, wParam, lParam);
}

} // namespace wp::app
