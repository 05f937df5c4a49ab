// How often a stream of pointer moves is reported as the user's own input.
#pragma once

#include <optional>

namespace wp {

// Each report is a round trip to the window server, as costly as the move itself, while the
// system's idle timer counts in seconds: during a quick stream of moves one report per period
// keeps it from running out.
class UserInputPace {
public:
    static constexpr double periodMilliseconds = 100.0;

    // Whether the move made at this time is reported: the first one, then the first one a whole
    // period after the last report. A clock that went back starts the pace anew.
    bool due(double nowMilliseconds);

private:
    std::optional<double> lastReport_;
};

} // namespace wp
