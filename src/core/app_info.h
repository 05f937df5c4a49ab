// The program's fixed application information.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/app_info_values.h"

namespace wp::app {

struct AppInfo {
    std::string_view Title;
    std::int16_t Major;
    std::int16_t Minor;
    std::int16_t Revision;
    std::string_view Comments;
    std::string_view LegalCopyright;
};

inline constexpr AppInfo appInfo{WP_APP_TITLE,    WP_APP_MAJOR,   WP_APP_MINOR, WP_APP_REVISION,
                                 WP_APP_COMMENTS, WP_APP_COPYRIGHT};

} // namespace wp::app
