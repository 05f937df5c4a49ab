// Fuzz target: the number readers and writer must accept any text and keep their promises.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/interval.h"
#include "core/numbers.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

void roundTrip(double value, char separator) {
    if (!std::isfinite(value)) return;
    const auto back = wp::readNumber(wp::shortestDecimalText(value, separator), separator);
    check(back && (back.value == value || (value == 0 && back.value == 0)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto leading = wp::leadingNumberValue(text);
    check(leading || leading.status == wp::NumberStatus::Overflow);
    if (leading) roundTrip(leading.value, '.');
    for (char separator : {'.', ','}) {
        const auto whole = wp::readNumber(text, separator);
        if (whole) roundTrip(whole.value, separator);
        const auto integer = wp::wholeNumber(text, separator);
        if (integer) check(std::fabs(integer.value - whole.value) <= 0.5);
        const std::string normal = wp::normalisedIntervalText(text, separator);
        check(wp::normalisedIntervalText(normal, separator) == normal || separator == ',');
        const auto period = wp::switchPeriodMilliseconds(text, separator);
        check(!period || *period <= 58500);
    }
    return 0;
}
