#include "core/macro_commands.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/numbers.h"

namespace wp::macro {
namespace {

std::string numberText(std::string_view boxText, char decimalSeparator) {
    const Parsed<double> value = leadingNumberValue(boxText);
    return shortestDecimalText(value ? value.value : 0.0, decimalSeparator);
}

// Where the decimal separator is the comma, a fraction in a move would be split at it when
// played; the runner rounds coordinates anyway, so the command carries the rounded value.
std::string coordinateText(std::string_view boxText, char decimalSeparator) {
    if (decimalSeparator != ',') return numberText(boxText, decimalSeparator);
    const Parsed<double> value = leadingNumberValue(boxText);
    return shortestDecimalText(value ? roundHalfEven(value.value) : 0.0, decimalSeparator);
}

// The text after the first n characters; a character is one UTF-8 sequence.
std::string_view afterCharacters(std::string_view text, std::size_t n) {
    std::size_t i = 0;
    for (; n > 0 && i < text.size(); --n) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
    }
    return text.substr(i);
}

std::string repeatCommand(std::string_view times) {
    if (times.find_first_not_of(" \t") == std::string_view::npos) return "RPT";
    const Parsed<double> count = leadingNumberValue(times);
    if (!count || !(count.value >= 1)) return "RPT 1";
    return "RPT " + std::to_string(static_cast<std::uint32_t>(std::min(std::floor(count.value), 4294967295.0)));
}

// A fraction of a notch rounds to the nearest; a turn of none is no command at all.
std::optional<std::string> composeWheel(std::string_view notches) {
    const Parsed<double> value = leadingNumberValue(notches);
    if (!value) return std::nullopt;
    const double most = 9999; // what the box holds
    const double rounded = roundHalfEven(std::clamp(value.value, -most, most));
    if (rounded == 0) return std::nullopt;
    return wheelCommand(static_cast<int>(rounded));
}

} // namespace

std::optional<std::string> composeCommand(int option, const CommandInputs& inputs, char decimalSeparator) {
    switch (option) {
    case optLeftClick:
        return "LCK";
    case optRightClick:
        return "RCK";
    case optLeftDoubleClick:
        return "LDC";
    case optRightDoubleClick:
        return "RDC";
    case optMove:
        return "MVE " + coordinateText(inputs.x, decimalSeparator) + "," + coordinateText(inputs.y, decimalSeparator);
    case optWait:
        return "SLP " + numberText(inputs.seconds, decimalSeparator);
    case optRepeat:
        return repeatCommand(inputs.times);
    case optMiddleClick:
        return "MCK";
    case optMiddleDoubleClick:
        return "MDC";
    case optKey:
        if (const auto chord = parseKeyChord(inputs.key)) return keyCommand(*chord);
        return std::nullopt;
    case optText:
        if (inputs.text.empty()) return std::nullopt;
        return textCommand(inputs.text);
    case optWheel:
        return composeWheel(inputs.notches);
    default:
        return std::nullopt;
    }
}

std::optional<ComposingInputs> composingInputs(std::string_view entry) {
    const std::string code = commandCode(entry);
    static constexpr const char* bare[] = {"LCK", "RCK", "LDC", "RDC", "MCK", "MDC"};
    static constexpr int bareOptions[] = {optLeftClick, optRightClick, optLeftDoubleClick, optRightDoubleClick,
                                          optMiddleClick, optMiddleDoubleClick};
    for (std::size_t i = 0; i < std::size(bare); ++i)
        if (code == bare[i]) return ComposingInputs{bareOptions[i]};
    const std::string rest(afterCharacters(entry, 4));
    ComposingInputs inputs;
    if (code == "MVE") {
        const std::size_t comma = rest.find(',');
        inputs = {optMove, rest.substr(0, comma), comma == std::string::npos ? "" : rest.substr(comma + 1)};
    } else if (code == "SLP") {
        inputs.option = optWait, inputs.seconds = rest;
    } else if (code == "RPT") {
        inputs.option = optRepeat, inputs.times = rest;
    } else if (code == "KEY") {
        inputs.option = optKey, inputs.key = rest;
    } else if (code == "TXT") {
        inputs.option = optText, inputs.text = rest;
    } else if (code == "WHL") {
        inputs.option = optWheel, inputs.notches = rest;
    } else {
        return std::nullopt;
    }
    return inputs;
}

std::string keyCommand(KeyChord chord) {
    return "KEY " + keyChordText(chord);
}

std::string textCommand(std::string_view utf8) {
    return "TXT " + std::string(utf8);
}

std::string wheelCommand(int notches) {
    return "WHL " + std::to_string(notches);
}

std::string commandCode(std::string_view entry) {
    std::string code(entry.substr(0, entry.size() - afterCharacters(entry, 3).size()));
    for (char& c : code)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return code;
}

std::optional<MoveTarget> readMove(std::string_view entry, char decimalSeparator) {
    const std::string_view rest = afterCharacters(entry, 4);
    const std::size_t comma = rest.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const Parsed<std::int32_t> x = wholeNumber(rest.substr(0, comma), decimalSeparator);
    const Parsed<std::int32_t> y = wholeNumber(rest.substr(comma + 1), decimalSeparator);
    if (!x || !y) return std::nullopt;
    return MoveTarget{x.value, y.value};
}

std::optional<double> readWaitSeconds(std::string_view entry, char decimalSeparator) {
    const Parsed<double> seconds = readNumber(afterCharacters(entry, 4), decimalSeparator);
    if (!seconds) return std::nullopt;
    return seconds.value;
}

std::optional<std::uint32_t> readRepeatPasses(std::string_view entry, char decimalSeparator) {
    const std::string_view rest = afterCharacters(entry, 3);
    if (rest.find_first_not_of(" \t") == std::string_view::npos) return std::nullopt;
    const Parsed<double> count = readNumber(rest, decimalSeparator);
    if (!count || !(count.value >= 1) || count.value > 4294967295.0 || count.value != std::floor(count.value)) return 1;
    return static_cast<std::uint32_t>(count.value);
}

std::optional<KeyChord> readKey(std::string_view entry) {
    return parseKeyChord(afterCharacters(entry, 4));
}

std::string_view readText(std::string_view entry) {
    return afterCharacters(entry, 4);
}

std::optional<int> readWheel(std::string_view entry, char decimalSeparator) {
    const Parsed<std::int32_t> notches = wholeNumber(afterCharacters(entry, 4), decimalSeparator);
    if (!notches) return std::nullopt;
    return notches.value;
}

} // namespace wp::macro
