// System DLLs that only some commands need (the file dialogs, opening a link), loaded on first use
// instead of at start-up: each one costs the start of the program time before its window shows.
#pragma once

#include <windows.h>

namespace wp::win {

class SystemLibrary {
public:
    // name: a DLL of the system folder; it is looked for nowhere else.
    explicit SystemLibrary(const wchar_t* name) : name_(name) {}
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // The named export as a function of type F, or null when the DLL or the export is missing.
    template <class F> F* function(const char* exportName) {
        const FARPROC found = module() ? GetProcAddress(module(), exportName) : nullptr;
        return reinterpret_cast<F*>(reinterpret_cast<void (*)()>(found));
    }

private:
    // Loaded once and kept for the life of the process, as a DLL the program imports would be.
    HMODULE module();

    const wchar_t* name_;
    HMODULE module_ = nullptr;
    bool tried_ = false;
};

} // namespace wp::win
