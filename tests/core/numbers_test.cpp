#include "core/interval.h"
#include "core/numbers.h"
#include "core/timer_settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

using wp::NumberStatus;

constexpr auto Ok = NumberStatus::Ok, NaN = NumberStatus::NotANumber, Over = NumberStatus::Overflow;

// readNumber takes the whole text in the given locale; leadingNumberValue what its start spells.
TEST(Numbers, ReadTheWholeTextOrItsLeadingNumber) {
    const std::tuple<const char*, char, NumberStatus, double, double> cases[] = {
        {" 12 ", '.', Ok, 12, 12},        {"\t-3.5", '.', Ok, -3.5, -3.5}, {"+2", '.', Ok, 2, 2},
        {".5", '.', Ok, 0.5, 0.5},        {"1.", '.', Ok, 1, 1},           {"2.5e-1", '.', Ok, 0.25, 0.25},
        {"1E+2", '.', Ok, 100, 100},      {"1e5x", '.', NaN, 0, 1e5},      {"1ex", '.', NaN, 0, 1},
        {"&hAf", '.', Ok, 175, 175},      {"+&H1a", '.', Ok, 26, 0},       {"&o17", '.', Ok, 15, 15},
        {"-&O10", '.', Ok, -8, 0},        {"0,5", ',', Ok, 0.5, 0},        {"0.5", ',', NaN, 0, 0.5},
        {"1\n2", '.', NaN, 0, 12},        {"3.4.5", '.', NaN, 0, 3.4},     {"1e", '.', NaN, 0, 1},
        {"&H1@", '.', NaN, 0, 1},         {"&O18", '.', NaN, 0, 1},        {"&X0", '.', NaN, 0, 0},
        {"&H", '.', NaN, 0, 0},           {"", '.', NaN, 0, 0},            {"-&", '.', NaN, 0, 0},
        {"--5", '.', NaN, 0, 0},          {"1e999", '.', Over, 0, 0},      {"1e-400", '.', Ok, 0, 0},
    };
    for (const auto& [text, separator, status, whole, leading] : cases) {
        const auto read = wp::readNumber(text, separator);
        EXPECT_EQ(status, read.status) << '"' << text << '"';
        EXPECT_DOUBLE_EQ(whole, read.value) << '"' << text << '"';
        if (status == Over) continue;
        const auto start = wp::leadingNumberValue(text);
        EXPECT_TRUE(start) << '"' << text << '"';
        EXPECT_DOUBLE_EQ(leading, start.value) << '"' << text << '"';
    }
    EXPECT_EQ(Over, wp::leadingNumberValue("1e400").status);
    EXPECT_EQ(Over, wp::leadingNumberValue("&HFFFFFFFFFFFFFFFFF").status);
    EXPECT_DOUBLE_EQ(18446744073709551615.0, wp::leadingNumberValue("&HFFFFFFFFFFFFFFFF").value);
}

TEST(Numbers, WholeNumbersRoundHalvesToEvenWithinThe32BitRange) {
    const std::tuple<const char*, NumberStatus, std::int32_t> cases[] = {
        {"2.5", Ok, 2},           {"3.5", Ok, 4},           {"-2.5", Ok, -2},   {"-1.5", Ok, -2},
        {"2147483647", Ok, INT32_MAX}, {"-2147483648", Ok, INT32_MIN},      {"2147483647.5", Over, 0},
        {"-2147483649", Over, 0}, {"abc", NaN, 0},
    };
    for (const auto& [text, status, value] : cases) {
        const auto result = wp::wholeNumber(text, '.');
        EXPECT_EQ(status, result.status) << text;
        EXPECT_EQ(value, result.value) << text;
    }
    EXPECT_EQ(Over, wp::toInt32(std::nan("")).status);
}

// Decimal text is plain from 1e-9 to 1e15, E notation beyond; the period comes only within 0 to 65.
TEST(IntervalText, IsTheShortestDecimalTextAndGivesThePeriodOnlyWithinZeroToSixtyFive) {
    const std::tuple<double, char, const char*> texts[] = {
        {-0.0, '.', "0"},  {0.5, ',', "0,5"}, {0.1, '.', "0.1"}, {-2.5e-12, '.', "-2.5E-12"}, {5e-10, '.', "5E-10"},
        {999999999999999, '.', "999999999999999"}, {1e15, '.', "1E+15"}, {1e-9, '.', "0.000000001"},
    };
    for (const auto& [value, separator, text] : texts)
        EXPECT_EQ(text, wp::shortestDecimalText(value, separator)) << value;
    // The box's text becomes its leading number, or the fallback for one beyond the double range.
    EXPECT_EQ("75", wp::normalisedIntervalText("7 5", ','));
    EXPECT_EQ("0,5", wp::normalisedIntervalText(".5x", ','));
    EXPECT_EQ(wp::fallbackIntervalText, wp::normalisedIntervalText("1e999", ','));
    const std::pair<const char*, std::optional<std::uint32_t>> cases[] = {
        {"65", 58500}, {"0.5", 450}, {"0", 0u}, {"0.003", 3}, {".001", 1}, // 2.7 and 0.9 ms round up
        {"65.5", std::nullopt}, {"-0.001", std::nullopt}, {"abc", std::nullopt}, {"0,5", std::nullopt},
    };
    for (const auto& [text, period] : cases) EXPECT_EQ(period, wp::switchPeriodMilliseconds(text, '.')) << text;
}

TEST(TimerSettings, FiresOnlyWhenEnabledWithANonZeroInterval) {
    wp::TimerSettings timer;
    timer.setEnabled(true);
    EXPECT_EQ(std::nullopt, timer.period()) << "no interval yet";
    timer.setEnabled(false);
    timer.setInterval(900);
    EXPECT_EQ(std::nullopt, timer.period());
    timer.setEnabled(true);
    EXPECT_EQ(900u, timer.period());
    timer.setInterval(-1);
    EXPECT_EQ(std::nullopt, timer.period()) << "a negative interval is 0, which never fires";
    timer.setInterval(70000);
    EXPECT_EQ(65535u, timer.period());
}
