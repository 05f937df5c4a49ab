#include "core/switch_schedule.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace wp {

namespace {
constexpr double never = std::numeric_limits<double>::infinity();
}

SwitchSchedule::SwitchSchedule(double startMs, std::uint32_t periodMs, std::optional<double> forMs)
    : period_(periodMs), nextSwitch_(periodMs > 0 ? startMs + periodMs : never),
      end_(forMs ? startMs + *forMs : never) {}

double SwitchSchedule::nextDue() const {
    return std::min(nextSwitch_, end_);
}

SwitchSchedule::Step SwitchSchedule::at(double nowMs) {
    if (nowMs >= end_) return Step::Over;
    if (nowMs < nextSwitch_) return Step::None;
    nextSwitch_ += period_ * (std::floor((nowMs - nextSwitch_) / period_) + 1);
    atPosition1_ = !atPosition1_;
    return atPosition1_ ? Step::ToPosition1 : Step::ToPosition2;
}

} // namespace wp
