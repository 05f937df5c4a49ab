#include "core/macro_runner.h"

#include <cstddef>

#include "core/macro_commands.h"

namespace wp::macro {
namespace {

// Acts on one entry; returns the position to go on from.
std::ptrdiff_t play(RunnerHost& host, const std::string& entry, std::ptrdiff_t position, char decimalSeparator,
                    bool& stopMacro) {
    const std::string code = commandCode(entry);
    if (code == "LCK") {
        host.singleClick(0);
    } else if (code == "RCK") {
        host.singleClick(1);
    } else if (code == "LDC") {
        host.doubleClick(0);
    } else if (code == "RDC") {
        host.doubleClick(1);
    } else if (code == "MVE") {
        if (const auto target = readMove(entry, decimalSeparator)) host.moveTo(target->x, target->y);
    } else if (code == "SLP") {
        if (const auto seconds = readWaitSeconds(entry, decimalSeparator)) host.wait(*seconds * 1000.0);
    } else if (code == "RPT") {
        if (host.playAgain()) return -1;
        stopMacro = true;
    }
    return position;
}

} // namespace

void runMacro(RunnerHost& host, bool& stopMacro, char decimalSeparator) {
    stopMacro = false;
    host.beginRun();
    const std::vector<std::string> snapshot = host.entryTexts();
    std::ptrdiff_t position = 0;

    while (!stopMacro && !host.closed()) {
        // The list may have shrunk, or been replaced, while events ran: past its end the run is over.
        const auto count = static_cast<std::ptrdiff_t>(host.entryCount());
        if (position >= count || position >= static_cast<std::ptrdiff_t>(snapshot.size())) break;
        host.selectEntry(static_cast<std::size_t>(position));
        position = play(host, snapshot[static_cast<std::size_t>(position)], position, decimalSeparator, stopMacro);
        if (position == static_cast<std::ptrdiff_t>(host.entryCount()) - 1) stopMacro = true;
        ++position;
        host.letPendingEventsRun();
    }

    stopMacro = false;
    if (!host.closed()) host.endRun();
}

} // namespace wp::macro
