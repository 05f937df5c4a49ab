#include "core/macro_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using wp::macro::runMacro;
using Log = std::vector<std::string>;

namespace {

// Plays on a list of texts and logs what the runner asks for. The list can be changed and the
// stop request raised from the event passes, as the window's handlers do.
class FakeHost final : public wp::macro::RunnerHost {
public:
    std::vector<std::string> list;
    bool* stop = nullptr;
    Log log;
    int passes = 0;
    bool isClosed = false;
    // Runs at each pass over the events (after every entry and during every wait).
    std::function<void(FakeHost&)> onEvents;
    int maxActions = 1000;

    void beginRun() override { log.push_back("begin"); }
    std::vector<std::string> entryTexts() override { return list; }
    std::size_t entryCount() override { return isClosed ? 0 : list.size(); }
    void selectEntry(std::size_t index) override { selected = index; }
    void singleClick(std::int32_t lButton) override { act("click " + std::to_string(lButton)); }
    void doubleClick(std::int32_t lButton) override { act("double " + std::to_string(lButton)); }
    void moveTo(std::int32_t x, std::int32_t y) override { act("move " + std::to_string(x) + "," + std::to_string(y)); }
    void wait(double milliseconds) override {
        act("wait " + std::to_string(static_cast<long>(milliseconds)));
        events();
    }
    void letPendingEventsRun() override { events(); }
    bool closed() override { return isClosed; }
    void endRun() override { log.push_back("end"); }

    std::size_t selected = 99;

private:
    void act(std::string what) {
        log.push_back(what + " @" + std::to_string(selected));
        if (static_cast<int>(log.size()) > maxActions) *stop = true; // a runaway test still ends
    }
    void events() {
        ++passes;
        if (onEvents) onEvents(*this);
    }
};

struct Playback {
    FakeHost host;
    bool stopMacro = false;

    explicit Playback(std::vector<std::string> list) {
        host.list = std::move(list);
        host.stop = &stopMacro;
    }
    Log play(char separator = '.') {
        runMacro(host, stopMacro, separator);
        return host.log;
    }
};

TEST(RunMacro, PlaysAListWithoutRepeatOnceInOrder) {
    Playback run({"MVE 100,200", "LCK", "RCK", "LDC", "RDC", "SLP 0.25"});
    const Log expected = {"begin",      "move 100,200 @0", "click 0 @1", "click 1 @2", "double 0 @3",
                          "double 1 @4", "wait 250 @5",     "end"};
    EXPECT_EQ(expected, run.play());
    EXPECT_FALSE(run.stopMacro) << "the end of a run clears the request";
    EXPECT_EQ(5u, run.host.selected) << "the entry played last stays selected";
    EXPECT_EQ(7, run.host.passes) << "one pass after every entry, one inside the wait";
}

TEST(RunMacro, ReadsCodesAndNumbersAsTheLocaleWritesThem) {
    Playback run({"mve 5,5", "lck", "LCKxyz", "Slp 0,5", "MVE 10, 20"});
    const Log expected = {"begin", "move 5,5 @0", "click 0 @1", "click 0 @2", "wait 500 @3", "move 10,20 @4", "end"};
    EXPECT_EQ(expected, run.play(','));
}

TEST(RunMacro, PassesOverEntriesItCannotPlay) {
    Playback run({"", "XYZ", "LC", "MVE", "MVE 10", "MVE a,b", "SLP", "SLP x", "MVE 1e12,0", "RCK"});
    const Log expected = {"begin", "click 1 @9", "end"};
    EXPECT_EQ(expected, run.play());
}

TEST(RunMacro, AnEmptyListFinishesAtOnce) {
    Playback run({});
    const Log expected = {"begin", "end"};
    EXPECT_EQ(expected, run.play());
    EXPECT_EQ(0, run.host.passes);
}

TEST(RunMacro, RepeatLoopsUntilAStopThatTakesEffectBeforeTheNextEntry) {
    Playback run({"LCK", "SLP 1", "RPT", "RCK"});
    run.host.onEvents = [&](FakeHost& host) {
        // The stop arrives during the third wait: that wait ends, nothing after it is played.
        if (std::count(host.log.begin(), host.log.end(), "wait 1000 @1") == 3) run.stopMacro = true;
    };
    const Log expected = {"begin",        "click 0 @0", "wait 1000 @1", "click 0 @0", "wait 1000 @1",
                          "click 0 @0",   "wait 1000 @1", "end"};
    EXPECT_EQ(expected, run.play()) << "RCK after the repeat is never played";
}

TEST(RunMacro, ClearsAStopRequestLeftFromBefore) {
    Playback run({"LCK"});
    run.stopMacro = true;
    const Log expected = {"begin", "click 0 @0", "end"};
    EXPECT_EQ(expected, run.play());
}

TEST(RunMacro, EndsWhenTheListShrinksBelowThePosition) {
    Playback run({"LCK", "RCK", "LDC", "RDC", "RPT"});
    run.host.onEvents = [](FakeHost& host) {
        if (host.selected == 1) host.list.resize(1); // removed while the second entry played
    };
    const Log expected = {"begin", "click 0 @0", "click 1 @1", "end"};
    EXPECT_EQ(expected, run.play());
}

TEST(RunMacro, PlaysTheSnapshotAndEndsWhenTheListIsReplacedByALongerOne) {
    Playback run({"LCK", "RCK"});
    run.host.onEvents = [](FakeHost& host) {
        host.list = {"MVE 1,1", "MVE 2,2", "MVE 3,3", "MVE 4,4"}; // another file opened during the run
    };
    const Log expected = {"begin", "click 0 @0", "click 1 @1", "end"};
    EXPECT_EQ(expected, run.play());
}

TEST(RunMacro, ALastEntryTestUsesTheCountAfterTheEntry) {
    // The list grows to 3 during the first entry's wait: the second entry is not the last any more.
    Playback run({"SLP 0", "LCK", "RCK"});
    run.host.list.resize(2);
    run.host.onEvents = [](FakeHost& host) { host.list = {"a", "b", "c"}; };
    const Log expected = {"begin", "wait 0 @0", "click 0 @1", "end"};
    EXPECT_EQ(expected, run.play()) << "position 2 is past the snapshot of two";
}

TEST(RunMacro, ClosingTheWindowEndsTheRunWithoutTouchingIt) {
    Playback run({"LCK", "SLP 30", "RCK", "RPT"});
    run.host.onEvents = [](FakeHost& host) {
        if (host.log.back() == "wait 30000 @1") host.isClosed = true;
    };
    const Log expected = {"begin", "click 0 @0", "wait 30000 @1"};
    EXPECT_EQ(expected, run.play()) << "no end steps on a closed window";
    EXPECT_FALSE(run.stopMacro);
}

} // namespace
