#include "core/play_speed.h"

#include "core/numbers.h"

namespace wp::macro {
namespace {

constexpr SpeedChoice choices[] = {
    {0.25, "0.25x", "0.25"}, {0.5, "0.5x", "0.5"}, {1, "1x", "1"},         {2, "2x", "2"},
    {4, "4x", "4"},          {10, "10x", "10"},    {0, "No waits", "0"},
};

// "2 of 5", or "3" alone when the list plays until stopped.
std::string passText(const RunProgress& progress) {
    const std::string pass = std::to_string(progress.pass);
    return progress.passes ? pass + " of " + std::to_string(*progress.passes) : pass;
}

} // namespace

std::span<const SpeedChoice> speedChoices() { return choices; }

double readPlaySpeed(std::string_view settingText) {
    const Parsed<double> factor = readNumber(settingText, '.');
    if (!factor || !(factor.value == 0 || (factor.value >= 0.25 && factor.value <= 10))) return 1;
    return factor.value;
}

std::string playSpeedText(double factor) { return shortestDecimalText(factor, '.'); }

std::string playingText(const RunProgress& progress) {
    return "Playing macro: pass " + passText(progress) + ", entry " + std::to_string(progress.entry + 1) + " of " +
           std::to_string(progress.entries);
}

std::string runStatusText(const RunProgress& progress, double factor) {
    return "Pass " + passText(progress) + (factor > 0 ? " at " + playSpeedText(factor) + "x" : ", no waits");
}

} // namespace wp::macro
