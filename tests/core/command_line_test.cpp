#include "core/command_line.h"
#include "core/key_press.h"
#include "core/switch_schedule.h"
#include "core/user_input_pace.h"

#include <gtest/gtest.h>

#include <sstream>

using wp::SwitchSchedule;
using Args = std::vector<std::string>;

static std::string describe(const wp::cli::CommandLine& line) {
    std::ostringstream out;
    if (const auto* windows = std::get_if<wp::cli::OpenWindows>(&line)) out << (windows->inTray ? "tray" : "windows");
    if (std::holds_alternative<wp::cli::RemoveStartWithWindows>(line)) out << "forget start";
    if (std::holds_alternative<wp::cli::ShowHelp>(line)) out << "help";
    if (const auto* play = std::get_if<wp::cli::PlayMacro>(&line))
        out << "play " << play->file << " x" << play->times.value_or(0) << " at " << play->speed.value_or(-1);
    if (const auto* rec = std::get_if<wp::cli::RecordMacro>(&line)) out << "record " << rec->file << " for " << rec->forMilliseconds.value_or(0) << (rec->keys ? "" : " no keys");
    if (const auto* run = std::get_if<wp::cli::RunSwitching>(&line)) {
        out << "switch " << run->position1.x << ',' << run->position1.y << ' ' << run->position2.x << ','
            << run->position2.y << " every " << run->interval << " = " << run->periodMilliseconds << " ms for "
            << run->forMilliseconds.value_or(0) << (run->whenIdle ? " when idle" : "");
    }
    if (const auto* bad = std::get_if<wp::cli::BadCommandLine>(&line)) out << "bad: " << bad->message;
    return out.str();
}

// What the command line asks for; a wrong one is refused with a message that names what is wrong.
TEST(CommandLine, ReadsWhatToDoOrSaysWhatIsWrong) {
    const std::pair<Args, std::vector<const char*>> cases[] = {
        {{}, {"windows"}}, {{"--play", "a.cmd", "/?"}, {"help"}}, {{"-h"}, {"help"}}, {{"--help"}, {"help"}},
        {{"--tray"}, {"tray"}}, {{"--remove-start-with-windows"}, {"forget start"}},
        {{"--play", "a", "--tray"}, {"bad: ", "--tray"}},
        {{"--remove-start-with-windows", "--tray"}, {"bad: ", "--remove-start-with-windows"}},
        {{"--times", "1", "--play", "C:\\a b.cmd"}, {"play C:\\a b.cmd x1 at -1"}},
        {{"--play", "a", "--times", "4294967295", "--speed", "0"}, {"play a x4294967295 at 0"}},
        {{"--speed", "0.1", "--play", "a"}, {"play a x0 at 0.1"}}, {{"--play", "a", "--speed", "100"}, {"play a x0 at 100"}},
        {{"--play", "a", "--speed", "0.09"}, {"bad: ", "--speed", "0.09"}}, {{"--play", "a", "--speed", "100.5"}, {"bad: ", "100.5"}},
        {{"--play", "a", "--speed", "x"}, {"bad: ", "'x'"}}, {{"--speed", "2"}, {"bad: ", "--speed", "--play"}},
        {{"--every", "007", "--switch", " -10, 5", "2.5,1080"}, {"switch -10,5 2,1080 every 7 = 6300 ms for 0"}},
        {{"--switch", "1,2", "11000,-1920", "--every", ".5", "--for", "0.01"}, {"switch 1,2 11000,-1920 every 0.5 = 450 ms for 600"}},
        {{"--when-idle", "--switch", "1,2", "3,4", "--every", "1"}, {"switch 1,2 3,4 every 1 = 900 ms for 0 when idle"}},
        {{"--play", "a", "--when-idle"}, {"bad: ", "--when-idle"}},
        {{"--for", ".5", "--record", "r.cmd"}, {"record r.cmd for 500"}}, {{"--record", "r"}, {"record r for 0"}},
        {{"--no-keys", "--record", "r"}, {"record r for 0 no keys"}}, {{"--no-keys", "--play", "r"}, {"bad: ", "--no-keys"}},
        {{"--record", "r", "--for", "0"}, {"bad: ", "seconds", "'0'"}}, {{"--record", "r", "--for", "1.7978e305"}, {"bad: ", "--for"}},
        {{"--record", "r", "--for", "1.797e305"}, {"record r for 1.797e+308"}}, {{"--record", "r", "--play", "a"}, {"bad: ", "--record"}},
        {{"--switch", "1,2", "3,4", "--every", "1", "--for", "2.99612e303"}, // just below the largest double
         {"switch 1,2 3,4 every 1 = 900 ms for 1.79767e+308"}},
        {{"--bogus"}, {"bad: ", "option", "--bogus"}}, {{"//x"}, {"bad: ", "option", "//x"}},
        {{"macro.cmd"}, {"bad: ", "argument", "macro.cmd"}}, {{"--play"}, {"bad: ", "--play"}},
        {{"--play", "---"}, {"bad: ", "--play"}}, {{"--play", "--times", "2"}, {"bad: ", "--play"}},
        {{"--play", "a", "--play", "b"}, {"bad: ", "--play"}}, {{"--play", "a", "--times", "0"}, {"bad: ", "'0'"}},
        {{"--play", "a", "--times", "2.5"}, {"bad: ", "--times", "2.5"}},
        {{"--play", "a", "--times", "4294967296"}, {"bad: ", "'4294967296'"}}, {{"--for", "1"}, {"bad: ", "--for"}},
        {{"--play", "a", "--every", "5"}, {"bad: ", "--every"}}, {{"--times", "2"}, {"bad: ", "--times", "--play"}},
        {{"--play", "a", "--switch", "1,2", "3,4", "--every", "5"}, {"bad: ", "--play", "--switch"}},
        {{"--switch", "1,2", "--every", "5"}, {"bad: ", "--switch"}}, {{"--switch", "1,2", "3,4"}, {"bad: ", "every"}},
        {{"--switch", "--every", "5", "3,4"}, {"bad: ", "--switch"}},
        {{"--switch", "1,2", "3,x", "--every", "5"}, {"bad: ", "3,x"}},
        {{"--switch", "x,2", "3,4", "--every", "5"}, {"bad: ", "x,2"}},
        {{"--switch", "1,2", "3,4", "--every", "0"}, {"bad: ", "--every", "'0'"}},
        {{"--switch", "1,2", "3,4", "--every", "6 5"}, {"bad: ", "--every", "6 5"}},
        {{"--switch", "1,2", "3,4", "--every", "66"}, {"bad: ", "--every", "66"}},
        {{"--switch", "1,2", "3,4", "--every", "5", "--for", "0"}, {"bad: ", "--for", "'0'"}},
        {{"--switch", "1,2", "3,4", "--every", "5", "--for", "2.9962e303"}, {"bad: ", "--for"}},
    };
    for (const auto& [arguments, named] : cases) {
        const std::string result = describe(wp::cli::readCommandLine(arguments));
        for (const char* name : named) EXPECT_NE(std::string::npos, result.find(name)) << result;
        EXPECT_TRUE(named.size() > 1 || result == named[0]) << result;
    }
}

TEST(SwitchSchedule, SwitchesOncePerPeriodToPositionOneFirstUntilTheEnd) {
    using enum SwitchSchedule::Step;
    SwitchSchedule schedule(1000, 900, 2800.0);
    const std::pair<double, SwitchSchedule::Step> steps[] = {
        {1899, None}, {1900, ToPosition1}, {1900, None}, {2800, ToPosition2}, {3700, ToPosition1}, {3800, Over}};
    for (const auto& [at, step] : steps) EXPECT_EQ(step, schedule.at(at)) << at;
    SwitchSchedule late(0, 100, std::nullopt);
    EXPECT_EQ(ToPosition1, late.at(550)) << "missed periods give one switch";
    EXPECT_EQ(600, late.nextDue());
    EXPECT_EQ(None, SwitchSchedule(0, 0, std::nullopt).at(1e9)) << "a period of 0 never switches";
    EXPECT_EQ(ToPosition1, SwitchSchedule(0, 1, std::nullopt).at({1, false, 0.5})) << "no pause unless asked";
}

// As the window's timer asks it: a skip shows as paused until a switch; a stop ends a wait and a
// pause, and a release with nothing waiting switches nothing.
TEST(SwitchGate, PausedUntilASwitchAndAStopEndsAWait) {
    using enum wp::SwitchGate::Action;
    wp::SwitchGate gate;
    const auto due = [&gate](wp::SwitchGate::Activity activity) {
        const auto action = gate.due(activity, 10);
        return std::pair(action, gate.paused() + 2 * gate.waiting()); // 1: paused, 2: waiting
    };
    EXPECT_FALSE(gate.paused() || gate.poll(false) != None) << "nothing paused or waiting at first";
    EXPECT_EQ(std::pair(Wait, 2), due({0, true}));
    gate.reset(), gate.setPauseWhileActive(true);
    EXPECT_EQ(std::pair(Skip, 1), due({20, false, 15.0}));
    EXPECT_EQ(std::pair(Switch, 0), due({30, false, 15.0}));
    EXPECT_EQ(std::pair(Skip, 1), due({40, true}));
    gate.reset();
    EXPECT_FALSE(gate.paused() || gate.waiting());
}

// A due switch waits while a button is held and comes at the release; with the pause on, input
// within the last period skips it. Either way the next period counts from then.
TEST(SwitchSchedule, WaitsForHeldButtonsAndPausesForTheUsersOwnInput) {
    using enum SwitchSchedule::Step;
    using Steps = std::vector<std::tuple<wp::SwitchGate::Activity, SwitchSchedule::Step, double>>;
    const std::pair<bool, Steps> runs[] = {
        {false, {{{999, true}, None, 1000}, {{1000, true}, None, 1000}, {{1700, true}, None, 1000},
                 {{1750}, ToPosition1, 2750}, {{2749}, None, 2750}, {{2750}, ToPosition2, 3750}}},
        {false, {{{1000, false, 999.0}, ToPosition1, 2000}}},
        {true, {{{1000, false, 100.1}, None, 2000}, {{2000, false, 1000.0}, ToPosition1, 3000},
                {{3000, true, 0.0}, None, 4000}, {{4000, true}, None, 5000}, {{5000}, ToPosition2, 6000}}},
    };
    for (const auto& [pause, steps] : runs) {
        SwitchSchedule schedule(0, 1000, std::nullopt, pause);
        for (const auto& [activity, step, nextDue] : steps) {
            EXPECT_EQ(step, schedule.at(activity)) << activity.nowMs;
            EXPECT_EQ(nextDue, schedule.nextDue()) << activity.nowMs;
        }
    }
}

TEST(KeyPressWatch, CountsEachPressOnceAndNotAKeyHeldAtTheStart) {
    constexpr std::uint16_t up = 0, down = 0x8000, tapped = 0x0001, downAgain = 0x8001;
    for (const std::uint16_t atStart : {up, down}) {
        wp::KeyPressWatch watch(atStart);
        std::vector<bool> presses;
        for (const std::uint16_t poll : {down, down, up, tapped, tapped, up, downAgain}) presses.push_back(watch.pressed(poll));
        EXPECT_EQ((std::vector<bool>{atStart == up, false, false, true, true, false, true}), presses) << atStart;
    }
}

TEST(UserInputPace, ReportsTheFirstMoveThenOncePerPeriodFromTheLastReport) {
    wp::UserInputPace pace;
    std::vector<bool> reported;
    for (double t : {0.0, 0.0, 60.0, 100.0, 199.9, 250.0, 1000.0, 20.0, 30.0}) reported.push_back(pace.due(t));
    EXPECT_EQ((std::vector<bool>{true, false, false, true, false, true, true, true, false}), reported)
        << "a clock that went back starts anew";
}
