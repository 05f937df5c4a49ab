// What a marker writes its centre into after a drag: the x box, then the y box of the window it serves.
#pragma once

#include <string>

namespace wp::markers {

struct MarkerTarget {
    virtual ~MarkerTarget() = default;
    virtual void setX(const std::wstring& text) = 0;
    virtual void setY(const std::wstring& text) = 0;
};

} // namespace wp::markers
