// Macro command texts: composing them from the macro window's boxes and reading them back when played.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wp::macro {

// The indexes of the macro window's option array optCommands.
enum CommandOption : int {
    optLeftClick = 0,
    optRightClick = 1,
    optLeftDoubleClick = 2,
    optRightDoubleClick = 3,
    optMove = 4,
    optWait = 5,
    optRepeat = 6,
};

// The texts of the boxes that the move and wait commands are built from.
struct CommandInputs {
    std::string_view x;
    std::string_view y;
    std::string_view seconds;
};

// The command that the option composes, or nothing for an index outside the array.
std::optional<std::string> composeCommand(int option, const CommandInputs& inputs, char decimalSeparator);

// The code a command is recognised by: its first three characters, upper-cased.
std::string commandCode(std::string_view entry);

struct MoveTarget {
    std::int32_t x;
    std::int32_t y;
};

// The screen position of a move entry ("MVE x,y"); nothing when either number does not convert.
std::optional<MoveTarget> readMove(std::string_view entry, char decimalSeparator);

// The seconds of a wait entry ("SLP n"); nothing when the text after the code is not a number.
std::optional<double> readWaitSeconds(std::string_view entry, char decimalSeparator);

// Plays in all that a repeat entry asks for: none for "RPT" alone, which plays until stopped; n for
// "RPT n". A count that is not a whole number from 1 up plays the list once, so that no mistyped
// repeat plays for ever.
std::optional<std::uint32_t> readRepeatPasses(std::string_view entry, char decimalSeparator);

} // namespace wp::macro
