// The command line's work without the windows: a macro file played, the switching cycle run, the
// usage or what is wrong told on the console or in a message box.
#pragma once

#include <string>
#include <vector>

#include "core/command_line.h"

namespace wp::app {

// The program's arguments after its name.
std::vector<std::string> commandLineArguments();

// Does what the command line asks, other than opening the windows; returns the exit code.
int runCommandLine(const cli::CommandLine& commandLine);

} // namespace wp::app
