// The switching cycle against a clock, for running it without the main window: one switch per
// period counted from the start, to position 1 first and then to 2 and 1 in turn, until an end.
// A due switch goes through the gate: it waits for held buttons, or is skipped for the user's input.
#pragma once

#include <cstdint>
#include <optional>

#include "core/switch_gate.h"

namespace wp {

class SwitchSchedule {
public:
    enum class Step { None, ToPosition1, ToPosition2, Over };

    // Times in milliseconds on one clock. A period of 0 never switches, as the window's timer.
    SwitchSchedule(double startMs, std::uint32_t periodMs, std::optional<double> forMs, bool pauseWhileActive = false);

    // When something is next due: a switch or the end. While a switch waits for the buttons, the
    // caller asks again soon.
    double nextDue() const;
    bool waiting() const { return gate_.waiting(); }

    // What to do at the time now. Periods missed whole (the machine was asleep) give one switch,
    // and the next one keeps to the steps of the period. A switch that waited or was skipped
    // counts the next period from the time now.
    Step at(const SwitchGate::Activity& activity);
    Step at(double nowMs) { return at(SwitchGate::Activity{nowMs}); }

private:
    Step flip();

    double period_;
    double nextSwitch_;
    double end_;
    bool atPosition1_ = false;
    SwitchGate gate_;
};

} // namespace wp
