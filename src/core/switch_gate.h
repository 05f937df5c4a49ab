// Whether a switch that falls due may happen now. A switch never lands while a mouse button is held
// (it would drop what is being dragged): it waits for the release and then happens at once. With
// "pause while I'm working", a switch is skipped while the user has given input within the last
// period, and the countdown starts again.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace wp {

class SwitchGate {
public:
    enum class Action { None, Switch, Wait, Skip };

    // What the user is doing, times in milliseconds on one clock.
    struct Activity {
        double nowMs = 0;
        bool buttonHeld = false;
        // The user's own last key, button, wheel turn or move (not injected); none: not seen.
        std::optional<double> lastInputMs;
    };

    explicit SwitchGate(bool pauseWhileActive = false) : pauseWhileActive_(pauseWhileActive) {}

    void setPauseWhileActive(bool pause) { pauseWhileActive_ = pause; }
    bool pauseWhileActive() const { return pauseWhileActive_; }

    // The switch timer says a switch is due; its period decides what "recent" input is.
    Action due(const Activity& activity, double periodMs);
    // While waiting for the release: Switch once every button is up, else None.
    Action poll(bool buttonHeld);
    // The cycle was stopped: no wait, no pause is pending.
    void reset() { waiting_ = paused_ = false; }

    bool waiting() const { return waiting_; }
    // The last due switch was skipped for the user's input, and none has happened since.
    bool paused() const { return paused_; }

private:
    bool pauseWhileActive_;
    bool waiting_ = false;
    bool paused_ = false;
};

// The status line while a switch waits for a button, and while switching is paused for the user.
std::string waitingForReleaseStatus();
std::string pausedStatus(std::int32_t seconds);
// The notification icon's tip: the cycle's interval as its box shows it and the next position,
// or that it does not run.
std::string switchingTip(bool running, const std::string& interval, int nextPosition);

} // namespace wp
