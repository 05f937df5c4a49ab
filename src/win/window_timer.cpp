#include "win/window_timer.h"

namespace wp::win {

void WindowTimer::setInterval(std::int64_t milliseconds) {
    settings_.setInterval(milliseconds);
    rearm();
}

void WindowTimer::setEnabled(bool enabled) {
    settings_.setEnabled(enabled);
    rearm();
}

void WindowTimer::rearm() {
    if (!owner_ || !IsWindow(owner_)) return;
    if (const auto period = settings_.period()) {
        // SetTimer on an existing id replaces it, so the period starts anew.
        armed_ = SetTimer(owner_, id_, *period, nullptr) != 0;
    } else {
        stop();
    }
}

void WindowTimer::stop() {
    if (armed_ && owner_) KillTimer(owner_, id_);
    armed_ = false;
}

} // namespace wp::win
