#include "core/timer_settings.h"

#include <algorithm>

namespace wp {

void TimerSettings::setInterval(std::int64_t milliseconds) {
    interval_ = static_cast<std::uint32_t>(std::clamp<std::int64_t>(milliseconds, 0, maxInterval));
}

std::optional<std::uint32_t> TimerSettings::period() const {
    if (!enabled_ || interval_ == 0) return std::nullopt;
    return interval_;
}

} // namespace wp
