// The macro runner's loop, over the window and platform it plays on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/key_strokes.h"

namespace wp::macro {

class RunnerHost {
public:
    virtual ~RunnerHost() = default;

    // Start steps before the snapshot: lock the input and the Run button, keep the title, close
    // the marker, show the running title.
    virtual void beginRun() = 0;
    virtual std::vector<std::string> entryTexts() = 0;
    virtual std::size_t entryCount() = 0;
    virtual void selectEntry(std::size_t index) = 0;
    // Where the run stands, told as each entry is about to play.
    virtual void showProgress(const struct RunProgress&) {}

    // lButton: 0 the primary button (a left click), 1 the secondary one, 2 the middle one.
    virtual void singleClick(std::int32_t lButton) = 0;
    virtual void doubleClick(std::int32_t lButton) = 0;
    virtual void moveTo(std::int32_t x, std::int32_t y) = 0;
    // The strokes of one key entry or one text entry, sent together.
    virtual void sendKeys(const std::vector<KeyStroke>& strokes) = 0;
    // Notches of the wheel; negative: towards the user.
    virtual void turnWheel(int notches) = 0;
    // Lets every arriving event run until the time has passed; at least one pass over the
    // pending events, also for no time or a negative one.
    virtual void wait(double milliseconds) = 0;
    virtual void letPendingEventsRun() = 0;

    // The window the run belongs to has gone (closed, or the program is ending): the run ends
    // before its next entry and touches nothing of it.
    virtual bool closed() = 0;
    // Finish steps around clearing the stop request: Run button, title, input lock.
    virtual void endRun() = 0;
};

struct RunOptions {
    // Waits last their time divided by this; 0 plays no waits at all.
    double speed = 1.0;
    // Plays of the list in all, as if its repeat said so (or, without one, it ended in one);
    // none: as the list says.
    std::optional<std::uint32_t> times;
};

struct RunProgress {
    std::uint32_t pass = 1;
    // Plays in all; none: until stopped.
    std::optional<std::uint32_t> passes;
    std::size_t entry = 0; // zero-based
    std::size_t entries = 0;
};

// How many plays in all the list asks for: its first repeat command is the one played.
std::optional<std::uint32_t> passesOfList(const std::vector<std::string>& entries, char decimalSeparator);

// Plays the host's list from the top until a stop request: the last entry of a list played its
// last time raises one; so do the window's handlers while events run. The request is cleared at
// the start and the end of the run.
void runMacro(RunnerHost& host, bool& stopMacro, char decimalSeparator, const RunOptions& options = {});

} // namespace wp::macro
