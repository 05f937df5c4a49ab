// Macro files on disk: read whole before anything changes, replaced only once fully written.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace wp::macro {

// Empty when the operation succeeded; otherwise the system's reason, for the user.
struct FileOutcome {
    std::wstring failure;
    explicit operator bool() const { return failure.empty(); }
};

// Larger files are not macros; they are refused rather than loaded into the list.
inline constexpr std::size_t largestMacroFile = 16u << 20;

FileOutcome readWholeFile(const std::wstring& name, std::string& bytes);

// Writes the bytes to a new file beside the target, then puts it in the target's place; on any
// failure the target is left as it was and the new file is removed.
FileOutcome replaceFile(const std::wstring& name, std::string_view bytes);

// The system's text for an error code.
std::wstring systemErrorText(DWORD error);

// A macro file read whole, as File > Open and the command line's --play take it: the entries as
// the list holds them (each up to its first NUL), or why the file cannot be opened.
struct MacroFileEntries {
    std::vector<std::wstring> entries;
    std::wstring failure;
    explicit operator bool() const { return failure.empty(); }
};
MacroFileEntries openMacroFile(const std::wstring& name);
// The same from a file's bytes, with the same limits and reasons.
MacroFileEntries macroFileEntries(std::string bytes);

} // namespace wp::macro
