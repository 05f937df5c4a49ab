#include "core/macro_runner.h"

#include <cstddef>

#include "core/macro_commands.h"

namespace wp::macro {
namespace {

struct Run {
    RunnerHost& host;
    bool& stopMacro;
    char decimalSeparator;
    const RunOptions& options;
    RunProgress progress;

    // The list goes on from the top when it has plays left; otherwise the run ends here.
    std::ptrdiff_t playAgainOrStop(std::ptrdiff_t position) {
        if (!progress.passes || progress.pass < *progress.passes) {
            ++progress.pass;
            return -1;
        }
        stopMacro = true;
        return position;
    }

    // Acts on one entry; returns the position to go on from.
    std::ptrdiff_t play(const std::string& entry, std::ptrdiff_t position) {
        const std::string code = commandCode(entry);
        if (code == "LCK") {
            host.singleClick(0);
        } else if (code == "RCK") {
            host.singleClick(1);
        } else if (code == "LDC") {
            host.doubleClick(0);
        } else if (code == "RDC") {
            host.doubleClick(1);
        } else if (code == "MCK") {
            host.singleClick(2);
        } else if (code == "MDC") {
            host.doubleClick(2);
        } else if (code == "KEY") {
            if (const auto chord = readKey(entry)) host.sendKeys(chordStrokes(*chord));
        } else if (code == "TXT") {
            if (const std::string_view text = readText(entry); !text.empty()) host.sendKeys(textStrokes(text));
        } else if (code == "WHL") {
            if (const auto notches = readWheel(entry, decimalSeparator); notches && *notches != 0)
                host.turnWheel(*notches);
        } else if (code == "MVE") {
            if (const auto target = readMove(entry, decimalSeparator)) host.moveTo(target->x, target->y);
        } else if (code == "SLP") {
            if (const auto seconds = readWaitSeconds(entry, decimalSeparator))
                host.wait(options.speed > 0 ? *seconds * 1000.0 / options.speed : 0.0);
        } else if (code == "RPT") {
            return playAgainOrStop(position);
        }
        return position;
    }
};

} // namespace

std::optional<std::uint32_t> passesOfList(const std::vector<std::string>& entries, char decimalSeparator) {
    for (const std::string& entry : entries)
        if (commandCode(entry) == "RPT") return readRepeatPasses(entry, decimalSeparator);
    return 1;
}

void runMacro(RunnerHost& host, bool& stopMacro, char decimalSeparator, const RunOptions& options) {
    stopMacro = false;
    host.beginRun();
    const std::vector<std::string> snapshot = host.entryTexts();
    Run run{host, stopMacro, decimalSeparator, options, {}};
    run.progress.passes = options.times ? options.times : passesOfList(snapshot, decimalSeparator);
    run.progress.entries = snapshot.size();
    std::ptrdiff_t position = 0;

    while (!stopMacro && !host.closed()) {
        // The list may have shrunk, or been replaced, while events ran: past its end the run is over.
        const auto count = static_cast<std::ptrdiff_t>(host.entryCount());
        if (position >= count || position >= static_cast<std::ptrdiff_t>(snapshot.size())) break;
        host.selectEntry(static_cast<std::size_t>(position));
        run.progress.entry = static_cast<std::size_t>(position);
        host.showProgress(run.progress);
        position = run.play(snapshot[static_cast<std::size_t>(position)], position);
        if (position == static_cast<std::ptrdiff_t>(host.entryCount()) - 1) position = run.playAgainOrStop(position);
        ++position;
        host.letPendingEventsRun();
    }

    stopMacro = false;
    if (!host.closed()) host.endRun();
}

} // namespace wp::macro
