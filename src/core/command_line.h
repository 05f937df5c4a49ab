// The program's command line, for scripts and scheduled tasks: play a macro file, or run the
// switching cycle, without the windows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace wp::cli {

// No arguments: the windows, as always. --tray (how a start with Windows runs it): the main
// window starts hidden, with its icon in the notification area.
struct OpenWindows {
    bool inTray = false;
};

// Deletes the value that starts the program with Windows; the uninstall runs it.
struct RemoveStartWithWindows {};

struct ShowHelp {};

struct PlayMacro {
    std::string file;
    // Plays of the list in all, whether or not it repeats; none: as the list says.
    std::optional<std::uint32_t> times;
    // Waits last their time divided by this (0: no waits); none: the window's choice.
    std::optional<double> speed;
};

// Records the user's clicks until F9 or ESC, or for the time given, then writes the file.
struct RecordMacro {
    std::string file;
    std::optional<double> forMilliseconds;
    bool keys = true; // the keyboard too; --no-keys leaves it out
};

// Screen pixels.
struct Position {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct RunSwitching {
    Position position1, position2;
    // The interval as the interval box would show it, and the switch period it gives.
    std::string interval;
    std::uint32_t periodMilliseconds = 0;
    // none: until stopped.
    std::optional<double> forMilliseconds;
    // Skip a switch while the user has given input within the last period.
    bool whenIdle = false;
};

// What is wrong with the command line, in a sentence for the user.
struct BadCommandLine {
    std::string message;
};

using CommandLine =
    std::variant<OpenWindows, ShowHelp, PlayMacro, RecordMacro, RunSwitching, BadCommandLine, RemoveStartWithWindows>;

// The arguments after the program's name. Numbers are written with a full stop, whatever the
// user's locale, so that a script means the same on every machine.
CommandLine readCommandLine(const std::vector<std::string>& arguments);

std::string_view usageText();

} // namespace wp::cli
