#include "core/user_input_pace.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(UserInputPace, ReportsTheFirstMoveThenOncePerPeriod) {
    const struct {
        const char* what;
        std::vector<double> moves; // times in ms
        std::vector<bool> reported;
    } cases[] = {
        {"a single move", {5000}, {true}},
        {"quick moves", {0, 1, 50, 99.9, 100, 100.5, 199, 200.1}, {true, false, false, false, true, false, false, true}},
        {"the period counts from the last report, not the last move", {0, 60, 120, 180, 240}, {true, false, true, false, true}},
        {"slow moves are each reported", {0, 150, 400, 10000}, {true, true, true, true}},
        {"a clock that went back", {1000, 1050, 20, 30, 130}, {true, false, true, false, true}},
    };
    for (const auto& c : cases) {
        wp::UserInputPace pace;
        std::vector<bool> reported;
        for (double t : c.moves) reported.push_back(pace.due(t));
        EXPECT_EQ(c.reported, reported) << c.what;
    }
}

} // namespace
