#include "core/interval.h"
#include "core/timer_settings.h"

#include <gtest/gtest.h>

namespace {

TEST(IntervalText, IsRewrittenToItsLeadingNumber) {
    const struct {
        const char* typed;
        const char* normal;
    } cases[] = {
        {"60", "60"}, {"007", "7"},   {".5", "0.5"}, {"1.", "1"},   {"", "0"},       {"abc", "0"},
        {"-", "0"},   {"-5", "-5"},   {"66", "66"},  {"6 6", "66"}, {"1e1", "10"},   {"&H20", "32"},
        {"1e999", "10"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.normal, wp::normalisedIntervalText(c.typed, '.')) << c.typed;
    EXPECT_EQ("0,5", wp::normalisedIntervalText(".5", ','));
}

TEST(IntervalText, GivesThePeriodOnlyWithinZeroToSixtyFive) {
    const std::pair<const char*, std::optional<std::uint32_t>> cases[] = {
        {"60", 54000},       {"65", 58500},        {"0.5", 450},         {"0", 0u},
        {"1", 900},          {"0.0025", 2},        {"0.003", 3},         {".001", 1}, // 2.25, 2.7 and 0.9 ms
        {"65.5", std::nullopt}, {"66", std::nullopt}, {"-5", std::nullopt}, {"abc", std::nullopt},
        {"0,5", std::nullopt},
    };
    for (const auto& [text, period] : cases) EXPECT_EQ(period, wp::switchPeriodMilliseconds(text, '.')) << text;
}

TEST(TimerSettings, FiresOnlyWhenEnabledWithANonZeroInterval) {
    wp::TimerSettings timer;
    EXPECT_EQ(std::nullopt, timer.period());
    timer.setEnabled(true);
    EXPECT_EQ(std::nullopt, timer.period()) << "interval 0 never fires";
    timer.setInterval(900);
    EXPECT_EQ(900u, timer.period());
    timer.setInterval(70000);
    EXPECT_EQ(65535u, timer.interval());
    timer.setInterval(-1);
    EXPECT_EQ(0u, timer.interval());
    timer.setInterval(20);
    timer.setEnabled(false);
    EXPECT_EQ(std::nullopt, timer.period());
}

} // namespace
