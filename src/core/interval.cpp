#include "core/interval.h"

#include "core/numbers.h"

namespace wp {

std::string normalisedIntervalText(std::string_view text, char decimalSeparator) {
    const Parsed<double> value = leadingNumberValue(text);
    if (!value) return std::string(fallbackIntervalText);
    return shortestDecimalText(value.value, decimalSeparator);
}

std::optional<std::uint32_t> switchPeriodMilliseconds(std::string_view text, char decimalSeparator) {
    const Parsed<double> seconds = readNumber(text, decimalSeparator);
    if (!seconds || seconds.value < 0 || seconds.value > maxIntervalSeconds) return std::nullopt;
    return static_cast<std::uint32_t>(roundHalfEven(seconds.value * switchMillisecondsPerUnit));
}

} // namespace wp
