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
    EXPECT_EQ(54000u, wp::switchPeriodMilliseconds("60", '.'));
    EXPECT_EQ(58500u, wp::switchPeriodMilliseconds("65", '.'));
    EXPECT_EQ(450u, wp::switchPeriodMilliseconds("0.5", '.'));
    EXPECT_EQ(0u, wp::switchPeriodMilliseconds("0", '.'));
    EXPECT_EQ(900u, wp::switchPeriodMilliseconds("1", '.'));
    EXPECT_EQ(2u, wp::switchPeriodMilliseconds("0.0025", '.')); // 2.25 ms
    EXPECT_EQ(std::nullopt, wp::switchPeriodMilliseconds("65.5", '.'));
    EXPECT_EQ(std::nullopt, wp::switchPeriodMilliseconds("66", '.'));
    EXPECT_EQ(std::nullopt, wp::switchPeriodMilliseconds("-5", '.'));
    EXPECT_EQ(std::nullopt, wp::switchPeriodMilliseconds("abc", '.'));
    EXPECT_EQ(std::nullopt, wp::switchPeriodMilliseconds("0,5", '.'));
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
