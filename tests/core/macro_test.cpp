#include "core/macro_commands.h"
#include "core/macro_runner.h"
#include "core/play_speed.h"
#include "core/pointer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>

using namespace wp::macro;
using Log = std::vector<std::string>;

namespace {

// Plays on a list of texts and logs what the runner asks for. The handlers that run at each pass
// over the events (after every entry and within every wait) may change the list or ask for a stop.
struct FakeHost final : RunnerHost {
    std::vector<std::string> list;
    Log log;
    bool stop = false, isClosed = false;
    RunOptions options;
    std::vector<std::string> progress;
    std::size_t selected = 99;
    std::function<void(FakeHost&)> onEvents;
    void beginRun() override { log.push_back("begin"); }
    std::vector<std::string> entryTexts() override { return list; }
    std::size_t entryCount() override { return list.size(); }
    void selectEntry(std::size_t index) override { selected = index; }
    void showProgress(const RunProgress& p) override { progress.push_back(playingText(p)); }
    void singleClick(std::int32_t button) override { act("click " + std::to_string(button)); }
    void doubleClick(std::int32_t button) override { act("double " + std::to_string(button)); }
    void moveTo(std::int32_t x, std::int32_t y) override { act("move " + std::to_string(x) + "," + std::to_string(y)); }
    void sendKeys(const std::vector<KeyStroke>& strokes) override { act("keys " + std::to_string(strokes.size())); }
    void turnWheel(int notches) override { act("wheel " + std::to_string(notches)); }
    void wait(double milliseconds) override {
        act("wait " + std::to_string(std::lround(milliseconds)));
        letPendingEventsRun();
    }
    void letPendingEventsRun() override {
        if (onEvents) onEvents(*this);
    }
    bool closed() override { return isClosed; }
    void endRun() override { log.push_back("end"); }
    void act(const std::string& what) {
        log.push_back(what + " @" + std::to_string(selected));
        if (log.size() > 50) stop = true; // a runaway loop still ends
    }
    Log run(char separator = '.') {
        runMacro(*this, stop, separator, options);
        return log;
    }
};

// What one entry plays as, alone in the list: the action, or "" when it plays nothing.
std::string playedAlone(const std::string& entry, char separator) {
    FakeHost host;
    host.list = {entry};
    const Log log = host.run(separator);
    return log.size() == 3 ? log[1].substr(0, log[1].rfind(" @0")) : log.size() == 2 ? "" : "?";
}

TEST(MacroEntries, PlayAsTheirCodeAndNumbersSayInTheLocaleAlsoWhenComposedFromTheBoxes) {
    const std::tuple<const char*, char, const char*> cases[] = {
        {"LCK", '.', "click 0"}, {"rck", '.', "click 1"}, {"LDCxyz", '.', "double 0"}, {"RDC", '.', "double 1"},
        {"LC", '.', ""}, {"mVe 10, 20", '.', "move 10,20"}, {"MVE  -7 , -8 ", '.', "move -7,-8"},
        {"MVE 2.5,3.5", '.', "move 2,4"}, {"MVE -1920,11000", '.', "move -1920,11000"},
        {"MVE 2,5,3", ',', "move 2,5"}, // the first comma splits; y reads 5,3 in this locale
        {"MVE 1.5,0", ',', ""}, {"MVE 1,x", '.', ""}, {"MVE 1e10,0", '.', ""}, {"MVE 100", '.', ""},
        {"MVE ,5", '.', ""},
        {"MVE\xc3\xa9" "3,4", '.', "move 3,4"}, // the fourth character is passed over whole
        {"SLP 0,5", ',', "wait 500"}, {"SLP 0,5", '.', ""}, {"slp  1 ", '.', "wait 1000"},
        {"SLP -1", '.', "wait -1000"}, {"SLP", '.', ""}, {"SLP 1e999", '.', ""}, {"SLP2", '.', ""},
        {"MCK", '.', "click 2"}, {"mdc", '.', "double 2"}, {"WHL -3", '.', "wheel -3"}, {"WHL 0", '.', ""},
        {"WHL x", '.', ""}, {"KEY Ctrl+S", '.', "keys 4"}, {"key f5", '.', "keys 2"}, {"KEY Ctrl+Nope", '.', ""},
        {"TXT ab", '.', "keys 4"}, {"TXT ", '.', ""}, {"TXT", '.', ""},
    };
    for (const auto& [entry, separator, action] : cases) EXPECT_EQ(action, playedAlone(entry, separator)) << entry;
    const std::tuple<int, CommandInputs, char, const char*> composed[] = {
        {optLeftClick, {"1", "2", "3"}, '.', "click 0"}, {optRightClick, {}, '.', "click 1"},
        {optLeftDoubleClick, {}, ',', "double 0"}, {optRightDoubleClick, {}, '.', "double 1"},
        {optMove, {"12abc", "7 5", "9"}, '.', "move 12,75"}, {optMove, {"&H1F", "-3"}, '.', "move 31,-3"},
        {optMove, {"1.5", "2.5"}, ',', "move 2,2"}, // a fraction would be split at the comma
        {optWait, {"1", "2"}, '.', "wait 0"}, {optWait, {"", "", ".5"}, ',', "wait 500"},
        {optWait, {"", "", "2,5"}, ',', "wait 2000"}, // the box's number is read with the full stop
        {optWait, {"", "", "1e999"}, '.', "wait 0"}, {optMove, {"1e999", "2"}, ',', "move 0,2"},
        {optWheel, {.notches = "-3"}, '.', "wheel -3"}, {optWheel, {.notches = "2.5x"}, ',', "wheel 2"},
        {optWheel, {.notches = "12345"}, '.', "wheel 9999"},
    };
    for (const auto& [option, boxes, separator, action] : composed) {
        const auto text = composeCommand(option, boxes, separator);
        ASSERT_TRUE(text) << option;
        EXPECT_EQ(action, playedAlone(*text, separator)) << *text;
    }
    const std::pair<const char*, const char*> repeats[] = {
        {"", "RPT"}, {" ", "RPT"}, {"5", "RPT 5"}, {"007", "RPT 7"}, {"0", "RPT 1"}, {"x", "RPT 1"},
        {"-3", "RPT 1"}, {"2.9", "RPT 2"}, {"99999999999", "RPT 4294967295"},
    };
    for (const auto& [times, command] : repeats)
        EXPECT_EQ(command, composeCommand(optRepeat, {.times = times}, '.')) << times;
    for (int option = 0; option < optRepeat; ++option) EXPECT_TRUE(composeCommand(option, {}, '.')) << option;
    EXPECT_FALSE(composeCommand(-1, {}, '.'));
    for (const char* notches : {"", "0", "0.4", "x"}) EXPECT_FALSE(composeCommand(optWheel, {.notches = notches}, '.'));
    EXPECT_FALSE(composeCommand(optWheel + 1, {}, '.'));
}

// A jump puts the pointer there first, then counts as the user's input, so the idle timer restarts after it.
TEST(JumpPointer, MovesThenReportsUserInput) {
    struct Port final : wp::PointerPort {
        Log log;
        void setCursorPos(std::int32_t x, std::int32_t y) override { log.push_back(std::to_string(x) + "," + std::to_string(y)); }
        void reportUserInput() override { log.push_back("input"); }
    } port;
    wp::jumpPointer(port, 3, -4);
    EXPECT_EQ((Log{"3,-4", "input"}), port.log);
}

TEST(RunMacro, PlaysUntilTheLastEntryOrAStopAndEndsOnAChangedList) {
    const std::tuple<const char*, std::vector<std::string>, std::function<void(FakeHost&)>, Log> cases[] = {
        {"once in order", {"MVE 1,2", "LCK", "SLP 0.25"}, {},
         {"begin", "move 1,2 @0", "click 0 @1", "wait 250 @2", "end"}},
        {"an empty list", {}, {}, {"begin", "end"}},
        {"a stop after an entry plays no more", {"LCK", "RCK", "RPT"},
         [](FakeHost& h) { h.stop = h.stop || h.log.back() == "click 0 @0"; }, {"begin", "click 0 @0", "end"}},
        {"a repeat loops until a stop within a wait", {"LCK", "SLP 1", "RPT", "RCK"},
         [](FakeHost& h) { h.stop = std::count(h.log.begin(), h.log.end(), "wait 1000 @1") == 2; },
         {"begin", "click 0 @0", "wait 1000 @1", "click 0 @0", "wait 1000 @1", "end"}},
        {"the last entry asks for the stop before the events run", {"LCK"},
         [](FakeHost& h) { h.log.push_back(h.stop ? "stop asked" : "no stop"); }, {"begin", "click 0 @0", "stop asked", "end"}},
        {"the list shrinks to the position", {"LCK", "RCK", "LDC", "RPT"},
         [](FakeHost& h) { h.list.resize(h.selected == 1 ? 2 : h.list.size()); },
         {"begin", "click 0 @0", "click 1 @1", "end"}},
        {"a longer list replaces it: the snapshot ends the run", {"LCK", "RCK"},
         [](FakeHost& h) { h.list = {"MVE 1,1", "MVE 2,2", "MVE 3,3"}; }, {"begin", "click 0 @0", "click 1 @1", "end"}},
        {"closing the window ends it, touching nothing", {"LCK", "SLP 30", "RCK", "RPT"},
         [](FakeHost& h) { h.isClosed = h.log.back() == "wait 30000 @1"; }, {"begin", "click 0 @0", "wait 30000 @1"}},
    };
    for (const auto& [name, list, onEvents, log] : cases) {
        FakeHost host;
        host.list = list;
        host.onEvents = onEvents;
        host.stop = true; // a request left from before, cleared at the start
        EXPECT_EQ(log, host.run()) << name;
        EXPECT_FALSE(host.stop) << name << ": the end of a run clears the request";
    }
}

// A repeat's count, or --times, gives the plays in all; a count that does not read plays once.
TEST(RunMacro, PlaysTheListThePassesAskedWithItsWaitsAtTheSpeedAsked) {
    const std::tuple<std::vector<std::string>, RunOptions, std::size_t, const char*> cases[] = {
        {{"LCK", "RPT 2", "RCK"}, {}, 2, "Playing macro: pass 2 of 2, entry 2 of 3"},
        {{"LCK", "rpt1"}, {}, 1, "Playing macro: pass 1 of 1, entry 2 of 2"},
        {{"LCK", "RPT 0"}, {}, 1, ""}, {{"LCK", "RPT -1"}, {}, 1, ""}, {{"LCK", "RPT x"}, {}, 1, ""},
        {{"LCK", "RPT 2.5"}, {}, 1, ""}, {{"LCK", "RPT 4294967296"}, {}, 1, ""},
        {{"LCK", "RPT 4294967295"}, {}, 50, "Playing macro: pass 50 of 4294967295, entry 1 of 2"},
        {{"LCK", "RPT \t"}, {}, 50, "Playing macro: pass 50, entry 1 of 2"},
        {{"LCK"}, {1, 3}, 3, "Playing macro: pass 3 of 3, entry 1 of 1"}, {{"LCK", "RPT"}, {1, 2}, 2, ""},
        {{"LCK", "RPT 5"}, {1, 2}, 2, ""}, {{"LCK", "RPT x"}, {1, 3}, 3, ""},
    };
    for (const auto& [list, options, clicks, lastProgress] : cases) {
        FakeHost host;
        host.list = list;
        host.options = options;
        const Log log = host.run();
        EXPECT_EQ(clicks, std::count(log.begin(), log.end(), "click 0 @0")) << list.back();
        if (*lastProgress) {
            EXPECT_EQ(lastProgress, host.progress.back()) << list.back();
        }
    }
    for (const auto& [speed, waited] : {std::pair{4.0, "wait 500 @0"}, {0.25, "wait 8000 @0"}, {0.0, "wait 0 @0"}}) {
        FakeHost host;
        host.list = {"SLP 2"};
        host.options.speed = speed;
        EXPECT_EQ(waited, host.run().at(1)) << speed;
    }
    for (const SpeedChoice& choice : speedChoices()) EXPECT_EQ(choice.factor, readPlaySpeed(playSpeedText(choice.factor)));
    for (const char* unreadable : {"", "fast", "0.2", "10.5", "-2"}) EXPECT_EQ(1, readPlaySpeed(unreadable)) << unreadable;
    EXPECT_EQ("Pass 3 at 0.5x", runStatusText({3, std::nullopt, 0, 1}, 0.5));
    EXPECT_EQ("Pass 1 of 2, no waits", runStatusText({1, 2, 0, 1}, 0));
}

} // namespace
