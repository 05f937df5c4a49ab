// The two properties of a window timer and what they mean for its schedule.
#pragma once

#include <cstdint>
#include <optional>

namespace wp {

class TimerSettings {
public:
    static constexpr std::uint32_t maxInterval = 65535;

    // Both setters start the period anew; the owner re-arms its timer after either.
    void setInterval(std::int64_t milliseconds);
    void setEnabled(bool enabled) { enabled_ = enabled; }

    std::uint32_t interval() const { return interval_; }
    bool enabled() const { return enabled_; }

    // The period to arm, or nothing when the timer must not fire (disabled, or interval 0).
    std::optional<std::uint32_t> period() const;

private:
    std::uint32_t interval_ = 0;
    bool enabled_ = false;
};

} // namespace wp
