// Fuzz target: the command line reader takes any arguments (NUL-separated here), and what it
// accepts keeps the promises its callers rely on.
#include <cmath>
#include <cstdlib>

#include "core/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments(size > 0 ? 1 : 0);
    for (std::size_t i = 0; i < size; ++i)
        data[i] == 0 ? arguments.emplace_back() : arguments.back() += static_cast<char>(data[i]);
    const auto line = wp::cli::readCommandLine(arguments);
    const bool windows = arguments.empty() || arguments == std::vector<std::string>{"--tray"};
    bool sound = std::holds_alternative<wp::cli::OpenWindows>(line) == windows;
    if (const auto* bad = std::get_if<wp::cli::BadCommandLine>(&line)) sound &= !bad->message.empty();
    if (const auto* play = std::get_if<wp::cli::PlayMacro>(&line)) sound &= play->times.value_or(1) >= 1;
    if (const auto* run = std::get_if<wp::cli::RunSwitching>(&line)) {
        const double end = run->forMilliseconds.value_or(1);
        sound &= run->periodMilliseconds > 0 && run->periodMilliseconds <= 58500 && end > 0 && std::isfinite(end);
    }
    if (!sound) std::abort();
    return 0;
}
