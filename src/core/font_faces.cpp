#include "core/font_faces.h"

#include <utility>

namespace wp {

std::wstring_view screenFace(std::wstring_view designFace,
                             const std::function<bool(std::wstring_view face)>& trueTypeInstalled) {
    static constexpr std::pair<std::wstring_view, std::wstring_view> scalable[] = {
        {L"MS Sans Serif", L"Microsoft Sans Serif"}};
    for (const auto& [bitmap, trueType] : scalable)
        if (designFace == bitmap && trueTypeInstalled(trueType)) return trueType;
    return designFace;
}

} // namespace wp
