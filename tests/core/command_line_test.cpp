#include "core/command_line.h"
#include "core/key_press.h"
#include "core/switch_schedule.h"

#include <gtest/gtest.h>

#include <sstream>

using wp::SwitchSchedule;
using Args = std::vector<std::string>;

namespace {

std::string describe(const wp::cli::CommandLine& line) {
    std::ostringstream out;
    if (std::holds_alternative<wp::cli::OpenWindows>(line)) out << "windows";
    if (std::holds_alternative<wp::cli::ShowHelp>(line)) out << "help";
    if (const auto* play = std::get_if<wp::cli::PlayMacro>(&line)) {
        out << "play " << play->file;
        if (play->times) out << " x" << *play->times;
    }
    if (const auto* run = std::get_if<wp::cli::RunSwitching>(&line)) {
        out << "switch " << run->position1.x << ',' << run->position1.y << ' ' << run->position2.x << ','
            << run->position2.y << " every " << run->interval << " = " << run->periodMilliseconds << " ms";
        if (run->forMilliseconds) out << " for " << *run->forMilliseconds << " ms";
    }
    if (const auto* bad = std::get_if<wp::cli::BadCommandLine>(&line)) out << "bad: " << bad->message;
    return out.str();
}

TEST(CommandLine, ReadsWhatToDo) {
    const struct {
        Args arguments;
        const char* expected;
    } cases[] = {
        {{}, "windows"},
        {{"--help"}, "help"},
        {{"/?"}, "help"},
        {{"--play", "C:\\macros\\a b.cmd"}, "play C:\\macros\\a b.cmd"},
        {{"--times", "3", "--play", "a.cmd"}, "play a.cmd x3"},
        {{"--switch", "0,0", "400,400", "--every", "60"}, "switch 0,0 400,400 every 60 = 54000 ms"},
        {{"--every", "007", "--switch", " -10, 5", "1920.5,1080"}, "switch -10,5 1920,1080 every 7 = 6300 ms"},
        {{"--switch", "1,2", "3,4", "--every", ".5", "--for", "1.5"}, "switch 1,2 3,4 every 0.5 = 450 ms for 90000 ms"},
        {{"--switch", "1,2", "3,4", "--every", "65", "--for", "0.01"}, "switch 1,2 3,4 every 65 = 58500 ms for 600 ms"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, describe(wp::cli::readCommandLine(c.arguments)));
}

// A wrong command line is refused with a message that names what is wrong.
TEST(CommandLine, SaysWhatIsWrong) {
    const struct {
        Args arguments;
        std::vector<const char*> named;
    } cases[] = {
        {{"--bogus"}, {"--bogus"}},
        {{"macro.cmd"}, {"macro.cmd"}},
        {{"--play"}, {"--play"}},
        {{"--play", "--times", "2"}, {"--play"}},
        {{"--play", "a", "--play", "b"}, {"--play"}},
        {{"--play", "a", "--times", "0"}, {"--times", "'0'"}},
        {{"--play", "a", "--times", "2.5"}, {"--times", "2.5"}},
        {{"--play", "a", "--times", "x"}, {"--times", "'x'"}},
        {{"--times", "2"}, {"--times", "--play"}},
        {{"--play", "a", "--switch", "1,2", "3,4", "--every", "5"}, {"--play", "--switch"}},
        {{"--switch", "1,2", "--every", "5"}, {"--switch"}},
        {{"--switch", "1;2", "3,4", "--every", "5"}, {"1;2"}},
        {{"--switch", "1,2", "3,x", "--every", "5"}, {"3,x"}},
        {{"--switch", "1,2", "3,4"}, {"--every"}},
        {{"--switch", "1,2", "3,4", "--every", "66"}, {"--every", "66"}},
        {{"--switch", "1,2", "3,4", "--every", "65.5"}, {"--every", "65.5"}},
        {{"--switch", "1,2", "3,4", "--every", "-5"}, {"--every", "-5"}},
        {{"--switch", "1,2", "3,4", "--every", "0"}, {"--every", "'0'"}},
        {{"--switch", "1,2", "3,4", "--every", "6 6"}, {"--every", "6 6"}},
        {{"--switch", "1,2", "3,4", "--every", "0,5"}, {"--every", "0,5"}},
        {{"--switch", "1,2", "3,4", "--every", "5", "--for", "0"}, {"--for", "'0'"}},
        {{"--every", "5"}, {"--every", "--switch"}},
    };
    for (const auto& c : cases) {
        const std::string result = describe(wp::cli::readCommandLine(c.arguments));
        ASSERT_EQ(0u, result.rfind("bad: ", 0)) << result;
        for (const char* name : c.named)
            EXPECT_NE(std::string::npos, result.find(name)) << result;
    }
}

TEST(SwitchSchedule, SwitchesOncePerPeriodToPositionOneFirstUntilTheEnd) {
    SwitchSchedule schedule(1000, 900, 2800.0);
    const struct {
        double at;
        SwitchSchedule::Step step;
    } steps[] = {
        {1899, SwitchSchedule::Step::None},        {1900, SwitchSchedule::Step::ToPosition1},
        {1900, SwitchSchedule::Step::None},        {2800, SwitchSchedule::Step::ToPosition2},
        {3700, SwitchSchedule::Step::ToPosition1}, {3800, SwitchSchedule::Step::Over},
    };
    for (const auto& s : steps)
        EXPECT_EQ(s.step, schedule.at(s.at)) << s.at;

    SwitchSchedule late(0, 100, std::nullopt);
    EXPECT_EQ(SwitchSchedule::Step::ToPosition1, late.at(550)) << "missed periods give one switch";
    EXPECT_EQ(600, late.nextDue());
}

TEST(KeyPressWatch, CountsEachPressOnceAndNotAKeyHeldAtTheStart) {
    constexpr std::uint16_t up = 0, down = 0x8000, tapped = 0x0001;
    const struct {
        std::uint16_t atStart;
        std::vector<std::uint16_t> polls;
        std::vector<bool> presses;
    } cases[] = {
        {up, {down, down, up, tapped, up}, {true, false, false, true, false}},
        {down, {down, down | tapped, up, down}, {false, false, false, true}},
        {tapped, {up, down}, {false, true}},
    };
    for (const auto& c : cases) {
        wp::KeyPressWatch watch(c.atStart);
        for (std::size_t i = 0; i < c.polls.size(); ++i)
            EXPECT_EQ(c.presses[i], watch.pressed(c.polls[i])) << "start " << c.atStart << ", poll " << i;
    }
}

} // namespace
