// The version as the program shows it: Major, Minor to two digits, Revision to four.
#pragma once

#include <cstdint>
#include <string>

namespace wp {

std::string versionText(std::int32_t major, std::int32_t minor, std::int32_t revision);

} // namespace wp
