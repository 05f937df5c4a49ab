// Reading and writing the numbers that the windows keep as text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wp {

enum class NumberStatus {
    Ok,
    NotANumber, // the text does not read as a number
    Overflow,   // it does, but the value does not fit the result
};

template <class T> struct Parsed {
    T value{};
    NumberStatus status = NumberStatus::Ok;

    explicit operator bool() const { return status == NumberStatus::Ok; }
    static Parsed fail(NumberStatus s) { return {T{}, s}; }
};

// The value spelt by the text's leading characters: blanks, tabs and line feeds anywhere are
// skipped, then a sign, digits with one full stop and an exponent, or an &H / &O radix prefix,
// up to the first character that cannot continue the number. A text that does not begin with a
// number gives 0 (Ok); only a value beyond the double range gives Overflow.
Parsed<double> leadingNumberValue(std::string_view text);

// The shortest text that gives the value back: plain digits for whole numbers, a 0 before the
// decimal separator of a fraction, no trailing zeros. Very large or small values use E notation.
std::string shortestDecimalText(double value, char decimalSeparator);

// The whole text read as a number (blanks around it allowed, the locale's decimal separator).
Parsed<double> readNumber(std::string_view text, char decimalSeparator);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -1.5 -> -2).
double roundHalfEven(double value);

// A double taken to a 32-bit integer, halves to even; Overflow outside the range or for NaN.
Parsed<std::int32_t> toInt32(double value);

// readNumber followed by toInt32: the whole-number conversion used for coordinates and counts.
Parsed<std::int32_t> wholeNumber(std::string_view text, char decimalSeparator);

} // namespace wp
