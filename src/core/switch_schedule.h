// The switching cycle against a clock, for running it without the main window: one switch per
// period counted from the start, to position 1 first and then to 2 and 1 in turn, until an end.
#pragma once

#include <cstdint>
#include <optional>

namespace wp {

class SwitchSchedule {
public:
    enum class Step { None, ToPosition1, ToPosition2, Over };

    // Times in milliseconds on one clock. A period of 0 never switches, as the window's timer.
    SwitchSchedule(double startMs, std::uint32_t periodMs, std::optional<double> forMs);

    // When something is next due: a switch or the end.
    double nextDue() const;

    // What to do at the time now. Periods missed whole (the machine was asleep) give one switch,
    // and the next one keeps to the steps of the period.
    Step at(double nowMs);

private:
    double period_;
    double nextSwitch_;
    double end_;
    bool atPosition1_ = false;
};

} // namespace wp
