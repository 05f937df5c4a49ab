// The macro file (.cmd): one double-quoted record per entry, every line ended by CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wp::macro {

// The file's bytes for the entries, in list order; an empty list gives no bytes at all.
std::string macroFileBytes(const std::vector<std::string>& entries);

// The fields of a file, each one an entry. A field is quoted (up to the next quote; what follows
// up to the next comma or line end is dropped) or bare (up to the next comma or line end, without
// blanks around it). Lines end with CR LF or a bare LF; a quote left open ends at the line end.
// Any bytes at all are read to the end; nothing is refused.
std::vector<std::string> readMacroFields(std::string_view bytes);

} // namespace wp::macro
