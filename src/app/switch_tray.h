// The notification-area icon of a switching cycle run from the command line, on a hidden window
// of its own: the tip tells the state, the menu offers "Stop".
#pragma once

#include <string>

#include "win/notify_icon.h"
#include "win/window.h"

namespace wp::app {

class SwitchTray final : public win::Window {
public:
    static constexpr UINT trayMessage = WM_APP + 1;
    static constexpr UINT idmStop = 1;

    // stop: set when "Stop" is chosen.
    explicit SwitchTray(bool& stop);
    ~SwitchTray() override;
    void setTip(const std::wstring& tip) { icon_.setTip(tip); }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    bool& stop_;
    win::NotifyIcon icon_;
};

} // namespace wp::app
