// The pace a macro plays at: its waits divided by a factor, or none at all.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/macro_runner.h"

namespace wp::macro {

struct SpeedChoice {
    double factor; // 0: no waits
    std::string_view menuText;
    std::string_view settingText;
};

// The Speed menu's items, in their order.
std::span<const SpeedChoice> speedChoices();

// The kept choice; a missing or unreadable one plays at the recorded pace.
double readPlaySpeed(std::string_view settingText);
std::string playSpeedText(double factor);

// What the notification icon's tip says while a macro plays: "Playing macro: pass 2 of 5, entry 7
// of 20", or "pass 3" alone when it plays until stopped.
std::string playingText(const RunProgress& progress);
// What the macro window shows while it plays: "Pass 2 of 5 at 2x".
std::string runStatusText(const RunProgress& progress, double factor);

} // namespace wp::macro
