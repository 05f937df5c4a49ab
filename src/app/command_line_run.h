// The command line's work without the windows: a macro file played, the switching cycle run, the
// usage or what is wrong told on the console or in a message box.
#pragma once

#include <string>
#include <vector>

#include "core/command_line.h"
#include "win/settings_store.h"

namespace wp::app {

// The program's arguments after its name.
std::vector<std::string> commandLineArguments();

// Does what the command line asks, other than opening the windows; returns the exit code. The
// settings give the speed and stop key a played macro keeps to.
int runCommandLine(const cli::CommandLine& commandLine, win::SettingsStore& settings);

} // namespace wp::app
