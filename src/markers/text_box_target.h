// A marker target made of two text boxes: setting their text raises their change handling.
#pragma once

#include "markers/marker_target.h"
#include "win/controls.h"

namespace wp::markers {

class TextBoxTarget final : public MarkerTarget {
public:
    TextBoxTarget(win::TextBox& x, win::TextBox& y) : x_(x), y_(y) {}
    void setX(const std::wstring& text) override { x_.setText(text); }
    void setY(const std::wstring& text) override { y_.setText(text); }

private:
    win::TextBox& x_;
    win::TextBox& y_;
};

} // namespace wp::markers
