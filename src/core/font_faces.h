// The faces the designs name, as the screen should get them. "MS Sans Serif" is a bitmap font on
// Windows: at 125 % to 200 % it is drawn at the nearest size it has, or stretched and blurred.
// "Microsoft Sans Serif" is the TrueType face of the same design and metrics, on every Windows since
// 2000; where it is missing (Wine, as seen), the design's face is asked for as it stands.
#pragma once

#include <functional>
#include <string_view>

namespace wp {

// trueTypeInstalled: whether a TrueType face of that name is installed.
std::wstring_view screenFace(std::wstring_view designFace,
                             const std::function<bool(std::wstring_view face)>& trueTypeInstalled);

} // namespace wp
