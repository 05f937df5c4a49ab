#include "core/numbers.h"

#include <gtest/gtest.h>

#include <cmath>

using wp::NumberStatus;

namespace {

struct LeadingCase {
    const char* text;
    double value;
};

TEST(LeadingNumberValue, ReadsTheNumberItsLeadingCharactersSpell) {
    const LeadingCase cases[] = {
        {"12abc", 12},   {"7 5", 75},        {"007", 7},        {".5", 0.5},     {"1.", 1},
        {"-5", -5},      {"+3", 3},          {"- 5", -5},       {"1e2", 100},    {"1E+2", 100},
        {"2.5e-1", 0.25}, {"1e", 1},         {"1ex", 1},        {"3.4.5", 3.4},  {"&H1F", 31},
        {"&hff", 255},   {"&O17", 15},       {"&o8", 0},        {"&H", 0},       {"&Hz", 0},
        {"abc", 0},      {"", 0},            {"   ", 0},         {"\t1\n2", 12},  {"-", 0},
        {".", 0},        {"e5", 0},          {"65.5", 65.5},    {"--5", 0},      {"1,5", 1},
    };
    for (const auto& c : cases) {
        const auto result = wp::leadingNumberValue(c.text);
        EXPECT_TRUE(result) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(c.value, result.value) << '"' << c.text << '"';
    }
}

TEST(LeadingNumberValue, ReportsValuesBeyondTheDoubleRange) {
    EXPECT_EQ(NumberStatus::Overflow, wp::leadingNumberValue("1e400").status);
    EXPECT_EQ(NumberStatus::Overflow, wp::leadingNumberValue("&HFFFFFFFFFFFFFFFFF").status);
    const auto tiny = wp::leadingNumberValue("1e-400");
    EXPECT_TRUE(tiny);
    EXPECT_EQ(0.0, tiny.value);
    const auto wide = wp::leadingNumberValue("&HFFFFFFFFFFFFFFFF");
    EXPECT_TRUE(wide);
    EXPECT_DOUBLE_EQ(18446744073709551615.0, wide.value);
}

TEST(ShortestDecimalText, WritesTheShortestTextThatGivesTheValueBack) {
    const struct {
        double value;
        char separator;
        const char* text;
    } cases[] = {
        {0, '.', "0"},           {-0.0, '.', "0"},       {7, '.', "7"},
        {-12, '.', "-12"},       {0.5, ',', "0,5"},      {65.5, '.', "65.5"},
        {0.1, '.', "0.1"},       {1e20, '.', "1E+20"},   {-2.5e-12, '.', "-2.5E-12"},
        // Plain digits below 1e15 and from 1e-9 on; E notation beyond.
        {999999999999999, '.', "999999999999999"},       {1e15, '.', "1E+15"},
        {1e-9, '.', "0.000000001"},                      {5e-10, '.', "5E-10"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.text, wp::shortestDecimalText(c.value, c.separator)) << c.value;
    for (double v : {0.3, 1.0 / 3, 2.0 / 3e5, 9.999999999999999e14, -7.25}) {
        const std::string text = wp::shortestDecimalText(v, '.');
        EXPECT_EQ(v, wp::readNumber(text, '.').value) << text;
    }
}

TEST(ReadNumber, NeedsTheWholeTextToBeANumber) {
    struct Case {
        const char* text;
        char separator;
        NumberStatus status;
        double value;
    } cases[] = {
        {"400", '.', NumberStatus::Ok, 400},      {" 12 ", '.', NumberStatus::Ok, 12},
        {"\t-3.5", '.', NumberStatus::Ok, -3.5},  {"+2", '.', NumberStatus::Ok, 2},
        {"0400", '.', NumberStatus::Ok, 400},     {"1e3", '.', NumberStatus::Ok, 1000},
        {"&H10", '.', NumberStatus::Ok, 16},      {"-&O10", '.', NumberStatus::Ok, -8},
        {"0,5", ',', NumberStatus::Ok, 0.5},      {"0.5", ',', NumberStatus::NotANumber, 0},
        {"12abc", '.', NumberStatus::NotANumber, 0}, {"", '.', NumberStatus::NotANumber, 0},
        {"  ", '.', NumberStatus::NotANumber, 0}, {"1 2", '.', NumberStatus::NotANumber, 0},
        {".", '.', NumberStatus::NotANumber, 0},  {"-", '.', NumberStatus::NotANumber, 0},
        {"&H", '.', NumberStatus::NotANumber, 0}, {"&X1", '.', NumberStatus::NotANumber, 0},
        {"&H1G", '.', NumberStatus::NotANumber, 0}, {"&O18", '.', NumberStatus::NotANumber, 0},
        {"1e", '.', NumberStatus::NotANumber, 0}, {"1e999", '.', NumberStatus::Overflow, 0},
    };
    for (const auto& c : cases) {
        const auto result = wp::readNumber(c.text, c.separator);
        EXPECT_EQ(c.status, result.status) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(c.value, result.value) << '"' << c.text << '"';
    }
}

TEST(WholeNumber, RoundsHalvesToEvenAndGuardsTheRange) {
    struct Case {
        const char* text;
        NumberStatus status;
        std::int32_t value;
    } cases[] = {
        {"2.5", NumberStatus::Ok, 2},          {"3.5", NumberStatus::Ok, 4},
        {"-1.5", NumberStatus::Ok, -2},        {"-2.5", NumberStatus::Ok, -2},
        {"0.5", NumberStatus::Ok, 0},          {"1.4999", NumberStatus::Ok, 1},
        {"2147483647", NumberStatus::Ok, 2147483647}, {"-2147483648", NumberStatus::Ok, -2147483647 - 1},
        {"2147483647.5", NumberStatus::Overflow, 0},  {"2147483648", NumberStatus::Overflow, 0},
        {"-2147483649", NumberStatus::Overflow, 0},   {"1e300", NumberStatus::Overflow, 0},
        {"abc", NumberStatus::NotANumber, 0},  {"", NumberStatus::NotANumber, 0},
    };
    for (const auto& c : cases) {
        const auto result = wp::wholeNumber(c.text, '.');
        EXPECT_EQ(c.status, result.status) << '"' << c.text << '"';
        EXPECT_EQ(c.value, result.value) << '"' << c.text << '"';
    }
    EXPECT_EQ(NumberStatus::Overflow, wp::toInt32(std::nan("")).status);
    EXPECT_EQ(NumberStatus::Overflow, wp::toInt32(INFINITY).status);
}

} // namespace
