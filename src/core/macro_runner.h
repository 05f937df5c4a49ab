// The macro runner's loop, over the window and platform it plays on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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

    // lButton: 0 the left button, 1 the right one.
    virtual void singleClick(std::int32_t lButton) = 0;
    virtual void doubleClick(std::int32_t lButton) = 0;
    virtual void moveTo(std::int32_t x, std::int32_t y) = 0;
    // Lets every arriving event run until the time has passed; at least one pass over the
    // pending events, also for no time or a negative one.
    virtual void wait(double milliseconds) = 0;
    virtual void letPendingEventsRun() = 0;
    // A repeat command is about to play the list again from the top; false ends the run there.
    virtual bool playAgain() { return true; }

    // The window the run belongs to has gone (closed, or the program is ending): the run ends
    // before its next entry and touches nothing of it.
    virtual bool closed() = 0;
    // Finish steps around clearing the stop request: Run button, title, input lock.
    virtual void endRun() = 0;
};

// Plays the host's list from the top until a stop request: the last entry of a list without a
// repeat command raises one; so do the window's handlers while events run. The request is
// cleared at the start and the end of the run.
void runMacro(RunnerHost& host, bool& stopMacro, char decimalSeparator);

} // namespace wp::macro
