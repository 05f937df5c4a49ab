// The keys that stop the command line's work from any application, on a hidden window of their
// own: ESC and F9 polled with whatever modifiers, and the user's "Stop anywhere" key taken from
// the system, since a chord's keys can come and go between two polls.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

#include "core/key_names.h"
#include "core/key_press.h"
#include "win/hot_key.h"
#include "win/window.h"

namespace wp::app {

class StopKeys final : public win::Window {
public:
    // stop: set at a press of one of the keys.
    StopKeys(std::initializer_list<int> polled, const std::optional<macro::KeyChord>& chosen, bool& stop);
    ~StopKeys() override;

private:
    static constexpr UINT_PTR pollTimerId = 1;
    static constexpr UINT pollMilliseconds = 20;
    static constexpr int hotKeyId = 1;

    struct Watch {
        int vk;
        std::optional<unsigned> modifiers; // none: any
        KeyPressWatch press;
    };

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void poll();

    bool& stop_;
    std::vector<Watch> watches_;
    win::HotKey chosen_;
};

} // namespace wp::app
