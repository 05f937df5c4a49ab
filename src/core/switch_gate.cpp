#include "core/switch_gate.h"

namespace wp {

SwitchGate::Action SwitchGate::due(const Activity& activity, double periodMs) {
    if (waiting_) return Action::None; // the release decides
    // With the pause on, a held button is the user at work as much as a move is.
    const bool recent = activity.lastInputMs && activity.nowMs - *activity.lastInputMs < periodMs;
    if (pauseWhileActive_ && (recent || activity.buttonHeld)) {
        paused_ = true;
        return Action::Skip;
    }
    paused_ = false;
    if (activity.buttonHeld) {
        waiting_ = true;
        return Action::Wait;
    }
    return Action::Switch;
}

SwitchGate::Action SwitchGate::poll(bool buttonHeld) {
    if (!waiting_ || buttonHeld) return Action::None;
    waiting_ = false;
    return Action::Switch;
}

std::string waitingForReleaseStatus() {
    return "Waiting for the mouse button to be released";
}

std::string pausedStatus(std::int32_t seconds) {
    return "Paused while you work: next try in " + std::to_string(seconds) + " secs";
}

std::string switchingTip(bool running, const std::string& interval, int nextPosition) {
    if (!running) return "Not moving";
    return "Switching every " + interval + " s, next: position " + std::to_string(nextPosition);
}

} // namespace wp
