// Fuzz target: the macro file reader takes any bytes, and what the writer writes reads back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/macro_file.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> fields = wp::macro::readMacroFile(bytes).entries;
    check(fields.size() <= size + 1);
    const auto few = wp::macro::readMacroFile(bytes, {.entries = 3});
    check(few.tooManyEntries == (fields.size() > 3));
    check(std::equal(few.entries.begin(), few.entries.end(), fields.begin()));

    // Entries with a record survive a save and a load, quotes and all; the others hold a line break.
    check(wp::macro::entriesWithoutARecord(fields).empty() ==
          (wp::macro::readMacroFile(wp::macro::macroFileBytes(fields)).entries == fields));
    std::vector<std::string> entries;
    for (const std::string& field : fields) {
        std::string clean;
        for (char c : field)
            if (c != '\r' && c != '\n') clean.push_back(c);
        entries.push_back(clean);
    }
    check(wp::macro::entriesWithoutARecord(entries).empty());
    check(wp::macro::readMacroFile(wp::macro::macroFileBytes(entries)).entries == entries);
    return 0;
}
