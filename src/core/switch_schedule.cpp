#include "core/switch_schedule.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace wp {

namespace {
constexpr double never = std::numeric_limits<double>::infinity();
}

SwitchSchedule::SwitchSchedule(double startMs, std::uint32_t periodMs, std::optional<double> forMs,
                               bool pauseWhileActive)
    : period_(periodMs), nextSwitch_(periodMs > 0 ? startMs + periodMs : never), end_(forMs ? startMs + *forMs : never),
      gate_(pauseWhileActive) {}

double SwitchSchedule::nextDue() const {
    return std::min(nextSwitch_, end_);
}

SwitchSchedule::Step SwitchSchedule::at(const SwitchGate::Activity& activity) {
    const double now = activity.nowMs;
    if (now >= end_) return Step::Over;
    if (gate_.waiting()) {
        if (gate_.poll(activity.buttonHeld) != SwitchGate::Action::Switch) return Step::None;
        nextSwitch_ = now + period_;
        return flip();
    }
    if (now < nextSwitch_) return Step::None;
    switch (gate_.due(activity, period_)) {
    case SwitchGate::Action::Skip:
        nextSwitch_ = now + period_;
        return Step::None;
    case SwitchGate::Action::Switch:
        nextSwitch_ += period_ * (std::floor((now - nextSwitch_) / period_) + 1);
        return flip();
    default:
        return Step::None;
    }
}

SwitchSchedule::Step SwitchSchedule::flip() {
    atPosition1_ = !atPosition1_;
    return atPosition1_ ? Step::ToPosition1 : Step::ToPosition2;
}

} // namespace wp
