// The system shell's "open this" call, behind a seam so that tests see what would be opened.
#pragma once

#include <windows.h>

namespace wp::about {

class ShellPort {
public:
    virtual ~ShellPort() = default;
    virtual void shellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                              const char* directory, int showCommand) = 0;
};

// ShellExecuteA; its result is not looked at.
class SystemShell final : public ShellPort {
public:
    void shellExecute(HWND owner, const char* verb, const char* file, const char* parameters, const char* directory,
                      int showCommand) override;
};

} // namespace wp::about
