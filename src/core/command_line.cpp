#include "core/command_line.h"

#include <cmath>

#include "core/interval.h"
#include "core/numbers.h"

namespace wp::cli {
namespace {

constexpr char fullStop = '.';

struct Given {
    bool help = false;
    bool whenIdle = false, noKeys = false;
    std::optional<std::string> play, record, times, speed, every, forValue;
    std::optional<std::pair<std::string, std::string>> positions;
};

BadCommandLine bad(std::string message) {
    return {std::move(message)};
}

// A value cannot look like an option: "--play --times 2" lacks its file, it does not play "--times".
bool isValue(const std::vector<std::string>& arguments, std::size_t index) {
    return index < arguments.size() && arguments[index].rfind("--", 0) != 0;
}

std::optional<Position> readPosition(const std::string& text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos) return std::nullopt;
    const auto x = wholeNumber(std::string_view(text).substr(0, comma), fullStop);
    const auto y = wholeNumber(std::string_view(text).substr(comma + 1), fullStop);
    if (!x || !y) return std::nullopt;
    return Position{x.value, y.value};
}

std::variant<PlayMacro, BadCommandLine> readPlay(const Given& given) {
    PlayMacro play{*given.play, std::nullopt, std::nullopt};
    if (given.times) {
        const auto times = readNumber(*given.times, fullStop);
        if (!times || times.value < 1 || times.value > 4294967295.0 || times.value != std::floor(times.value))
            return bad("--times takes a whole number from 1 up, not '" + *given.times + "'.");
        play.times = static_cast<std::uint32_t>(times.value);
    }
    if (given.speed) {
        const auto speed = readNumber(*given.speed, fullStop);
        if (!speed || !(speed.value == 0 || (speed.value >= 0.1 && speed.value <= 100)))
            return bad("--speed takes 0 (no waits) or a factor from 0.1 to 100, not '" + *given.speed + "'.");
        play.speed = speed.value;
    }
    return play;
}

// The interval is read as the interval box reads it; a value the box would replace by its
// fallback is refused here, and so is one that never switches.
std::variant<RunSwitching, BadCommandLine> readSwitching(const Given& given) {
    RunSwitching run;
    const auto first = readPosition(given.positions->first);
    const auto second = readPosition(given.positions->second);
    if (!first) return bad("--switch: '" + given.positions->first + "' is not a screen position X,Y.");
    if (!second) return bad("--switch: '" + given.positions->second + "' is not a screen position X,Y.");
    run.position1 = *first;
    run.position2 = *second;
    run.whenIdle = given.whenIdle;

    const std::string& every = *given.every;
    const auto seconds = readNumber(every, fullStop);
    run.interval = normalisedIntervalText(every, fullStop);
    const auto period = switchPeriodMilliseconds(run.interval, fullStop);
    if (!seconds || !period || *period == 0)
        return bad("--every takes seconds above 0 and up to 65, not '" + every + "'.");
    run.periodMilliseconds = *period;

    if (given.forValue) {
        const auto minutes = readNumber(*given.forValue, fullStop);
        if (!minutes || !(minutes.value > 0) || !std::isfinite(minutes.value * 60'000.0))
            return bad("--for takes minutes above 0, not '" + *given.forValue + "'.");
        run.forMilliseconds = minutes.value * 60'000.0;
    }
    return run;
}

// With --record, --for counts seconds: a recording is short.
std::variant<RecordMacro, BadCommandLine> readRecord(const Given& given) {
    RecordMacro record{*given.record, std::nullopt, !given.noKeys};
    if (given.forValue) {
        const auto seconds = readNumber(*given.forValue, fullStop);
        if (!seconds || !(seconds.value > 0) || !std::isfinite(seconds.value * 1000.0))
            return bad("--for takes seconds above 0 with --record, not '" + *given.forValue + "'.");
        record.forMilliseconds = seconds.value * 1000.0;
    }
    return record;
}

// Options that go only with another, or not together.
std::optional<BadCommandLine> wrongCombination(const Given& given) {
    if ((given.play ? 1 : 0) + (given.record ? 1 : 0) + (given.positions ? 1 : 0) > 1)
        return bad("Give one of --play, --record and --switch.");
    if ((given.times || given.speed) && !given.play)
        return bad(std::string(given.times ? "--times" : "--speed") + " goes with --play.");
    if (given.forValue && !given.positions && !given.record) return bad("--for goes with --switch or --record.");
    if (given.noKeys && !given.record) return bad("--no-keys goes with --record.");
    if ((given.every || given.whenIdle) && !given.positions)
        return bad(std::string(given.every ? "--every" : "--when-idle") + " goes with --switch.");
    return std::nullopt;
}

template <class Result> CommandLine widen(std::variant<Result, BadCommandLine> read) {
    if (auto* result = std::get_if<Result>(&read)) return std::move(*result);
    return std::get<BadCommandLine>(std::move(read));
}

} // namespace

CommandLine readCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return OpenWindows{};
    // Each goes alone: they are written by the program and its installer, not by hand.
    if (arguments.size() == 1 && arguments[0] == "--tray") return OpenWindows{true};
    if (arguments.size() == 1 && arguments[0] == "--remove-start-with-windows") return RemoveStartWithWindows{};
    Given given;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--help" || option == "-h" || option == "/?") {
            given.help = true;
            continue;
        }
        if (option == "--when-idle" || option == "--no-keys") {
            (option == "--no-keys" ? given.noKeys : given.whenIdle) = true;
            continue;
        }
        if (option == "--switch") {
            if (given.positions) return bad("--switch is given twice.");
            if (!isValue(arguments, i + 1) || !isValue(arguments, i + 2))
                return bad("--switch needs two positions: --switch X1,Y1 X2,Y2.");
            given.positions.emplace(arguments[i + 1], arguments[i + 2]);
            i += 2;
            continue;
        }
        const struct {
            const char* name;
            std::optional<std::string>* value;
            const char* what;
        } withValue[] = {
            {"--play", &given.play, "a macro file"},
            {"--record", &given.record, "a macro file"},
            {"--times", &given.times, "a number of plays"},
            {"--speed", &given.speed, "a speed factor"},
            {"--every", &given.every, "a number of seconds"},
            {"--for", &given.forValue, "a number"},
        };
        bool known = false;
        for (const auto& o : withValue) {
            if (option != o.name) continue;
            if (*o.value) return bad(option + " is given twice.");
            if (!isValue(arguments, i + 1)) return bad(option + " needs " + o.what + ".");
            *o.value = arguments[++i];
            known = true;
        }
        if (known) continue;
        if (option == "--tray" || option == "--remove-start-with-windows") return bad(option + " goes alone.");
        if (option.rfind("-", 0) == 0 || option.rfind("/", 0) == 0) return bad("Unknown option '" + option + "'.");
        return bad("Unexpected argument '" + option + "'.");
    }

    if (given.help) return ShowHelp{};
    if (const auto wrong = wrongCombination(given)) return *wrong;
    if (given.play) return widen(readPlay(given));
    if (given.record) return widen(readRecord(given));
    if (!given.positions) return bad("Nothing to do: give --play, --record or --switch.");
    if (!given.every) return bad("--switch needs --every SECONDS.");
    return widen(readSwitching(given));
}

// Short lines: a message box wraps long ones on its own.
std::string_view usageText() {
    return "Usage:\n"
           "  Wanderpoint.exe\n"
           "      opens the windows.\n"
           "  Wanderpoint.exe --play FILE [--times N] [--speed F]\n"
           "      plays the macro file FILE with no window\n"
           "      shown, to its end or until ESC or F9; with\n"
           "      RPT in it, until stopped. --times N plays it\n"
           "      N times in all; --speed F divides its waits\n"
           "      by F (0.1 to 100; 0 plays no waits).\n"
           "  Wanderpoint.exe --record FILE [--for SECONDS]\n"
           "                  [--no-keys]\n"
           "      records your clicks, double clicks, the wheel,\n"
           "      what you type (not with --no-keys) and the\n"
           "      waits between them until F9 or ESC, or for\n"
           "      SECONDS, then writes them to FILE.\n"
           "  Wanderpoint.exe --switch X1,Y1 X2,Y2\n"
           "                  --every SECONDS [--for MINUTES]\n"
           "                  [--when-idle]\n"
           "      puts the pointer on X1,Y1 and X2,Y2 in turn,\n"
           "      one switch every SECONDS (above 0, up to 65;\n"
           "      a second is 900 ms), until F9 or for MINUTES.\n"
           "      No switch while a mouse button is held; with\n"
           "      --when-idle, none while you have used the\n"
           "      mouse or keyboard within the last period.\n"
           "      The display and the system stay awake; an\n"
           "      icon in the notification area offers Stop.\n"
           "  Wanderpoint.exe --tray\n"
           "      opens the windows with the main window in\n"
           "      the notification area, as Start with Windows.\n"
           "  Wanderpoint.exe --remove-start-with-windows\n"
           "      stops Wanderpoint from starting with Windows.\n"
           "  Wanderpoint.exe --help\n"
           "      prints this text.\n"
           "Numbers take a full stop for fractions (0.5).\n"
           "Exit code 0: done or stopped by a key; 2: a wrong\n"
           "command line, or a macro file that cannot be read\n"
           "or written.\n";
}

} // namespace wp::cli
