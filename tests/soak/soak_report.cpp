#include "soak_report.h"

#include <cstdio>
#include <vector>

#include "win/event_wait.h"

namespace wp::soak {
namespace {

std::string mebibytes(double bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f MiB", bytes / (1024.0 * 1024.0));
    return text;
}

std::string signedGrouped(std::int64_t value) {
    return std::string(value > 0 ? "+" : "").append(grouped(value));
}

} // namespace

std::string grouped(std::int64_t value) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string text = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

Report::Report(const ResourceMeter& meter, long switches, long entries, long warmSwitches, long warmEntries)
    : meter_(meter), start_(win::monotonicMilliseconds()) {
    std::printf("Soak: %s switches, then a repeating macro of %s entries (a warm-up of %s switches and %s "
                "entries first)\n",
                grouped(switches).c_str(), grouped(entries).c_str(), grouped(warmSwitches).c_str(),
                grouped(warmEntries).c_str());
    std::printf("How this system is measured:\n%s\n", meter.description().c_str());
    std::printf("%-24s %9s %10s %9s %9s %28s\n", "checkpoint", "elapsed", meter.gdiHeading().c_str(),
                meter.userHeading().c_str(), "handles", "private bytes");
    std::fflush(stdout);
}

double Report::elapsedSeconds() const {
    return (win::monotonicMilliseconds() - start_) / 1000.0;
}

void Report::checkpoint(const std::string& label) {
    last_ = meter_.read();
    std::printf("%-24s %7.1f s %10s %9s %9s %15s (%s)\n", label.c_str(), elapsedSeconds(), grouped(last_.gdi).c_str(),
                grouped(last_.user).c_str(), grouped(last_.handles).c_str(),
                grouped(static_cast<std::int64_t>(last_.privateBytes)).c_str(),
                mebibytes(static_cast<double>(last_.privateBytes)).c_str());
    std::fflush(stdout);
}

void Report::baseline(const std::string& label) {
    checkpoint(label + " (baseline)");
    baseline_ = last_;
    haveBaseline_ = true;
}

void Report::startPhase() {
    phaseStart_ = elapsedSeconds();
}

void Report::endPhase(std::int64_t count, const std::string& what) {
    const double seconds = elapsedSeconds() - phaseStart_;
    std::printf("  (%s %s in %.1f s, %.0f a second, checkpoints included)\n", grouped(count).c_str(), what.c_str(),
                seconds, static_cast<double>(count) / seconds);
    std::fflush(stdout);
}

bool Report::verdict(const Outcome& outcome) {
    const Figures& from = haveBaseline_ ? baseline_ : last_;
    const std::int64_t gdi = meter_.gdiGrowth(from, last_);
    const std::int64_t user = meter_.userGrowth(from, last_);
    const std::int64_t handles = meter_.handleGrowth(from, last_);
    const auto memory = static_cast<std::int64_t>(last_.privateBytes) - static_cast<std::int64_t>(from.privateBytes);

    std::printf("\nGrowth from the baseline to the end (%.1f s in all):\n", elapsedSeconds());
    std::printf("  GDI objects    %s (may not grow)\n", signedGrouped(gdi).c_str());
    std::printf("  USER objects   %s (may not grow)\n", signedGrouped(user).c_str());
    std::printf("  handles        %s (may not grow)\n", signedGrouped(handles).c_str());
    std::printf("  private bytes  %s (%s; may grow by %s at most)\n", signedGrouped(memory).c_str(),
                mebibytes(static_cast<double>(memory)).c_str(),
                mebibytes(static_cast<double>(privateToleranceBytes)).c_str());
    std::printf("Macro: %s entries played of %s asked; %s clicks made, %s presses and %s releases reached the pad\n",
                grouped(outcome.entriesPlayed).c_str(), grouped(outcome.entriesAsked).c_str(),
                grouped(outcome.clicksMade).c_str(), grouped(outcome.padPresses).c_str(),
                grouped(outcome.padReleases).c_str());

    std::vector<std::string> growth, run;
    if (gdi > 0) growth.push_back("GDI objects grew by " + grouped(gdi));
    if (user > 0) growth.push_back(meter_.userHeading() + " grew by " + grouped(user));
    if (handles > 0) growth.push_back("handles grew by " + grouped(handles));
    if (memory > privateToleranceBytes)
        growth.push_back("private bytes grew by " + mebibytes(static_cast<double>(memory)));
    if (outcome.entriesPlayed < outcome.entriesAsked) run.push_back("the macro stopped before its last entry");
    // A click that missed the pad went somewhere it should not have.
    if (outcome.padPresses != outcome.clicksMade || outcome.padReleases != outcome.clicksMade)
        run.push_back("not every click reached the pad");

    auto line = [](const char* head, const std::vector<std::string>& items) {
        std::printf("%s:", head);
        for (std::size_t i = 0; i < items.size(); ++i)
            std::printf("%s %s", i == 0 ? "" : ";", items[i].c_str());
        std::printf("\n");
    };
    if (growth.empty())
        std::printf("FLAT: no object, handle or memory growth after the warm-up\n");
    else
        line("NOT FLAT", growth);
    if (!run.empty()) line("SOAK INCOMPLETE", run);
    std::fflush(stdout);
    return growth.empty() && run.empty();
}

} // namespace wp::soak
