// Macro command texts: composing them from the macro window's boxes and reading them back when played.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/key_names.h"

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
    optMiddleClick = 7,
    optMiddleDoubleClick = 8,
    optKey = 9,
    optText = 10,
    optWheel = 11,
};

// The texts of the boxes that the move and wait commands are built from.
struct CommandInputs {
    std::string_view x;
    std::string_view y;
    std::string_view seconds;
    std::string_view key;   // the "Press key" box: a chord's text
    std::string_view text;  // the "Type text" box, UTF-8
    std::string_view times; // the repeat's "times" box: blank plays until stopped
    std::string_view notches; // the wheel's box: whole notches, negative towards the user
};

// The command that the option composes; nothing for an index outside the array, a key box that
// names no key, an empty text, or a wheel box without a number of notches other than 0. A times box
// that holds no count from 1 up gives "RPT 1": a list plays at least once, and no mistyped count
// plays for ever.
std::optional<std::string> composeCommand(int option, const CommandInputs& inputs, char decimalSeparator);

// What composes an entry again: its option and the texts of the boxes it is built from (the others
// empty). Nothing for an entry that no option composes.
struct ComposingInputs {
    int option = -1;
    std::string x, y, seconds, key, text, times, notches;
};
std::optional<ComposingInputs> composingInputs(std::string_view entry);

// "KEY Ctrl+S": the chord's text; "TXT ..." the text as it stands, UTF-8; "WHL n": n notches,
// negative towards the user.
std::string keyCommand(KeyChord chord);
std::string textCommand(std::string_view utf8);
std::string wheelCommand(int notches);

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

// The chord of a key entry; nothing when a name in it is unknown.
std::optional<KeyChord> readKey(std::string_view entry);

// The text of a text entry: everything after "TXT ", blanks included.
std::string_view readText(std::string_view entry);

// The notches of a wheel entry; nothing when the text after the code is not a whole number.
std::optional<int> readWheel(std::string_view entry, char decimalSeparator);

} // namespace wp::macro
