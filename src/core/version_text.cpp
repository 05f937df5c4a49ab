#include "core/version_text.h"

#include <cstdio>

namespace wp {

std::string versionText(std::int32_t major, std::int32_t minor, std::int32_t revision) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%d.%02d.%04d", major, minor, revision);
    return buffer;
}

} // namespace wp
