// Standard controls created from design rectangles, and the change conventions of the windows:
// a text box given the text it holds raises no change; a check box set from code raises its click.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "win/dpi.h"
#include "win/handle.h"

namespace wp::win {

struct FontSpec {
    const wchar_t* face = L"MS Sans Serif";
    int hundredthsOfPoint = 825;
    bool bold = false;
    bool underline = false;
    bool italic = false;
};

Font createFont(const FontSpec& spec, Dpi dpi);

struct ControlArgs {
    const wchar_t* className = L"STATIC";
    const wchar_t* text = L"";
    DWORD style = 0;
    DWORD exStyle = 0;
    DesignRect rect{};
    int id = 0;
};

// A visible child control at its design rectangle scaled to dpi.
HWND createControl(HWND parent, const ControlArgs& args, Dpi dpi);
void placeControl(HWND control, DesignRect rect, Dpi dpi);
// Widens a one-line label to its text in its current font: fonts do not scale exactly with the
// DPI, so a label sized at 96 DPI can clip its last character at another. Never narrows it.
void widenToText(HWND label);

class TextBox {
public:
    void attach(HWND hwnd, std::function<void()> onChange);
    HWND hwnd() const { return hwnd_; }
    std::wstring text() const;

    // Sets the text; unless it equals the present one, the change handling runs before return.
    void setText(std::wstring_view text);
    // The control reported an edit (EN_CHANGE).
    void edited();

private:
    HWND hwnd_ = nullptr;
    std::wstring seen_;
    unsigned changes_ = 0;
    std::function<void()> onChange_;
};

class CheckBox {
public:
    void attach(HWND hwnd, std::function<void()> onClick);
    HWND hwnd() const { return hwnd_; }
    bool checked() const;

    // Sets the state; a change raises the click handling, as a user's click does.
    void setChecked(bool checked);
    // The control reported a click (BN_CLICKED) after toggling itself.
    void clicked();

private:
    HWND hwnd_ = nullptr;
    std::function<void()> onClick_;
};

} // namespace wp::win
