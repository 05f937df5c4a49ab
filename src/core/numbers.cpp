#include "core/numbers.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace wp {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

int digitValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// Reads the digits of a &H or &O number from the start of text. Returns the number of characters
// used, or 0 when no digit follows the prefix.
std::size_t readRadix(std::string_view text, int radix, Parsed<double>& out) {
    std::uint64_t value = 0;
    std::size_t used = 0;
    for (; used < text.size(); ++used) {
        const int d = digitValue(text[used]);
        if (d >= radix) break;
        if (value > (std::numeric_limits<std::uint64_t>::max() - static_cast<unsigned>(d)) / static_cast<unsigned>(radix)) {
            out = Parsed<double>::fail(NumberStatus::Overflow);
            return used + 1;
        }
        value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(d);
    }
    if (used > 0) out = {static_cast<double>(value), NumberStatus::Ok};
    return used;
}

// Length of the decimal number at the start of text: sign, digits, one separator, exponent.
// 'mantissaDigits' tells whether any digit was seen before the exponent.
std::size_t scanDecimal(std::string_view text, char separator, bool& mantissaDigits) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    mantissaDigits = false;
    while (i < text.size() && isDigit(text[i])) ++i, mantissaDigits = true;
    if (i < text.size() && text[i] == separator) {
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i, mantissaDigits = true;
    }
    if (mantissaDigits && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) ++j;
            i = j;
        }
    }
    return i;
}

// Converts a scanned decimal number; the separator is replaced by the C locale's full stop.
Parsed<double> convertDecimal(std::string_view number, char separator) {
    std::string c(number);
    for (char& ch : c)
        if (ch == separator) ch = '.';
    double value = 0;
    const char* first = c.data();
    const char* last = c.data() + c.size();
    if (*first == '+') ++first; // from_chars takes no plus sign
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        // Out of range either way: tiny values are taken as zero, huge ones overflow.
        char* end = nullptr;
        errno = 0;
        const double approx = std::strtod(c.c_str(), &end);
        if (std::isinf(approx)) return Parsed<double>::fail(NumberStatus::Overflow);
        return {0.0, NumberStatus::Ok};
    }
    if (ec != std::errc() || ptr != last) return Parsed<double>::fail(NumberStatus::NotANumber);
    return {value, NumberStatus::Ok};
}

} // namespace

Parsed<double> leadingNumberValue(std::string_view text) {
    std::string packed;
    packed.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') packed.push_back(c);

    if (packed.size() >= 2 && packed[0] == '&') {
        const char kind = packed[1];
        Parsed<double> out{0.0, NumberStatus::Ok};
        if (kind == 'h' || kind == 'H') readRadix(std::string_view(packed).substr(2), 16, out);
        else if (kind == 'o' || kind == 'O') readRadix(std::string_view(packed).substr(2), 8, out);
        return out;
    }
    bool digits = false;
    const std::size_t length = scanDecimal(packed, '.', digits);
    if (!digits) return {0.0, NumberStatus::Ok};
    return convertDecimal(std::string_view(packed).substr(0, length), '.');
}

std::string shortestDecimalText(double value, char decimalSeparator) {
    if (std::isnan(value)) return "0";
    if (value == 0) return "0"; // also -0
    char buffer[400];
    const double magnitude = std::fabs(value);
    const bool plain = magnitude >= 1e-9 && magnitude < 1e15;
    const auto result = plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
                              : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    std::string text(buffer, result.ptr);
    for (char& c : text) {
        if (c == '.') c = decimalSeparator;
        else if (c == 'e') c = 'E';
    }
    return text;
}

Parsed<double> readNumber(std::string_view text, char decimalSeparator) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    const std::string_view body = text.substr(begin, end - begin);
    if (body.empty()) return Parsed<double>::fail(NumberStatus::NotANumber);

    std::size_t signLength = 0;
    bool negative = false;
    if (body[0] == '+' || body[0] == '-') {
        negative = body[0] == '-';
        signLength = 1;
    }
    const std::string_view unsignedPart = body.substr(signLength);
    if (unsignedPart.size() >= 2 && unsignedPart[0] == '&') {
        const char kind = unsignedPart[1];
        const int radix = (kind == 'h' || kind == 'H') ? 16 : (kind == 'o' || kind == 'O') ? 8 : 0;
        if (radix == 0) return Parsed<double>::fail(NumberStatus::NotANumber);
        Parsed<double> out = Parsed<double>::fail(NumberStatus::NotANumber);
        const std::size_t used = readRadix(unsignedPart.substr(2), radix, out);
        if (!out) return out;
        if (used != unsignedPart.size() - 2) return Parsed<double>::fail(NumberStatus::NotANumber);
        if (negative) out.value = -out.value;
        return out;
    }
    bool digits = false;
    const std::size_t length = scanDecimal(body, decimalSeparator, digits);
    if (!digits || length != body.size()) return Parsed<double>::fail(NumberStatus::NotANumber);
    return convertDecimal(body, decimalSeparator);
}

double roundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction < 0.5) return lower;
    if (fraction > 0.5) return lower + 1;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

Parsed<std::int32_t> toInt32(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return Parsed<std::int32_t>::fail(NumberStatus::Overflow);
    return {static_cast<std::int32_t>(rounded), NumberStatus::Ok};
}

Parsed<std::int32_t> wholeNumber(std::string_view text, char decimalSeparator) {
    const Parsed<double> number = readNumber(text, decimalSeparator);
    if (!number) return Parsed<std::int32_t>::fail(number.status);
    return toInt32(number.value);
}

} // namespace wp
