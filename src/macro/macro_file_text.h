// The bytes a list is saved as: the system's code page, as macro files have always held, unless
// an entry holds a character that the code page lacks; then the whole file is UTF-8 after a
// byte-order mark, which every reader of ours takes.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace wp::macro {

struct MacroFileText {
    std::string bytes;
    // Entries that no file can hold as they stand (a line break), by position from 0.
    std::vector<std::size_t> unwritable;
};

MacroFileText macroFileText(const std::vector<std::wstring>& entries);

} // namespace wp::macro
