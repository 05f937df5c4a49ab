#include "macro/macro_file_text.h"

#include <windows.h>

#include "core/macro_file.h"
#include "win/text.h"

namespace wp::macro {

MacroFileText macroFileText(const std::vector<std::wstring>& entries) {
    std::vector<std::string> records;
    records.reserve(entries.size());
    bool inCodePage = true;
    for (const std::wstring& entry : entries) {
        records.push_back(win::narrow(entry, CP_ACP));
        inCodePage = inCodePage && win::widen(records.back(), CP_ACP) == entry;
    }
    MacroTextKind kind = MacroTextKind::CodePage;
    if (!inCodePage) {
        kind = MacroTextKind::Utf8;
        for (std::size_t i = 0; i < entries.size(); ++i) records[i] = win::toUtf8(entries[i]);
    }
    return {macroFileBytes(records, kind), entriesWithoutARecord(records)};
}

} // namespace wp::macro
