// The macro file (.cmd): one double-quoted record per entry, every line ended by CR LF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wp::macro {

// What the entries' bytes are: the system's single-byte code page, as the program writes, or UTF-8
// for a file that began with a UTF-8 or UTF-16 byte-order mark.
enum class MacroTextKind { CodePage, Utf8 };

// The file's bytes for the entries, in list order; an empty list gives no bytes at all. A double
// quote in an entry is written twice; UTF-8 entries go after a byte-order mark, so that a reader
// tells them from the code page.
std::string macroFileBytes(const std::vector<std::string>& entries, MacroTextKind kind = MacroTextKind::CodePage);

// Positions (from 0) of the entries that macroFileBytes cannot write so that they read back the
// same: a line break would end the record.
std::vector<std::size_t> entriesWithoutARecord(const std::vector<std::string>& entries);

// Bounds on what a file may hold. A list box under Wine takes seconds to fill with many more
// entries, and as long to paint one very long entry, each time it comes into view; neither is a
// macro anyone composed, so such a file is refused rather than loaded.
struct MacroFileLimits {
    std::size_t entries = 100'000;
    std::size_t entryLength = 4'096; // characters; bytes in a code-page file
};

struct MacroFileContent {
    MacroTextKind kind = MacroTextKind::CodePage;
    std::vector<std::string> entries;
    // Reading stops at the first limit passed; entries then holds what came before.
    bool tooManyEntries = false;
    bool entryTooLong = false; // the entry at entries.size(), from 0, is longer than the limit
    bool refused() const { return tooManyEntries || entryTooLong; }
};

// The fields of a file, each one an entry. A field is quoted (up to the next quote that is not
// doubled, a doubled one standing for one quote; what follows
// up to the next comma or line end is dropped) or bare (up to the next comma or line end, without
// blanks around it). Lines end with CR LF, a bare LF or a bare CR; a quote left open ends at the
// line end. A UTF-8 byte-order mark is skipped; a UTF-16 one (either byte order) makes the rest
// UTF-16 text, given back as UTF-8. Any bytes at all are read, to the end or to a limit.
MacroFileContent readMacroFile(std::string_view bytes, const MacroFileLimits& limits = {});

} // namespace wp::macro
