// Fuzz target: the macro file reader takes any bytes, and what the writer writes reads back.
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
    const std::vector<std::string> fields = wp::macro::readMacroFields(bytes);
    check(fields.size() <= size + 1);

    // Entries the program itself could hold (no quote, no line break) survive a save and a load.
    std::vector<std::string> entries;
    for (const std::string& field : fields) {
        std::string clean;
        for (char c : field)
            if (c != '"' && c != '\r' && c != '\n') clean.push_back(c);
        entries.push_back(clean);
    }
    check(wp::macro::readMacroFields(wp::macro::macroFileBytes(entries)) == entries);
    return 0;
}
