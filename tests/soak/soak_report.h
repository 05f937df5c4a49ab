// The soak's figures as a person reads them: a row per checkpoint, then the growth since the
// warm-up and the verdict.
#pragma once

#include <cstdint>
#include <string>

#include "resource_meter.h"

namespace wp::soak {

// Private memory may grow this much after the warm-up: room for the allocator's own caches and
// fragmentation, far below what a leak of one small object per switch or entry adds in a full run.
constexpr std::int64_t privateToleranceBytes = 1 << 20;

struct Outcome {
    std::int64_t entriesPlayed;
    std::int64_t entriesAsked;
    std::int64_t clicksMade;
    std::int64_t padPresses;
    std::int64_t padReleases;
};

// 1234567 as "1,234,567".
std::string grouped(std::int64_t value);

class Report {
public:
    // Prints what the soak does and how this system is measured.
    Report(const ResourceMeter& meter, long switches, long entries, long warmSwitches, long warmEntries);

    void checkpoint(const std::string& label);
    // A checkpoint that the growth is measured from.
    void baseline(const std::string& label);
    void startPhase();
    // Prints how long the phase took for how many of what.
    void endPhase(std::int64_t count, const std::string& what);
    // Prints the growth and the verdict; true when flat and the macro played to the end.
    bool verdict(const Outcome& outcome);

private:
    double elapsedSeconds() const;

    const ResourceMeter& meter_;
    double start_;
    double phaseStart_ = 0;
    Figures baseline_{};
    Figures last_{};
    bool haveBaseline_ = false;
};

} // namespace wp::soak
