// The switch interval box: its normal form and the period it gives.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wp {

constexpr double maxIntervalSeconds = 65;
constexpr double switchMillisecondsPerUnit = 900; // one "second" of the interval is 900 ms
constexpr std::string_view fallbackIntervalText = "10";

// The box's text rewritten as the decimal form of its leading-number value. A value beyond the
// double range has no decimal form; it gives the fallback text instead.
std::string normalisedIntervalText(std::string_view text, char decimalSeparator);

// The switch period for a box text, or nothing when the text is not an interval (not a number,
// below 0 or above 65); the caller then puts the fallback text in the box.
std::optional<std::uint32_t> switchPeriodMilliseconds(std::string_view text, char decimalSeparator);

} // namespace wp
