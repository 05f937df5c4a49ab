// Standard controls created from design rectangles, and the change conventions of the windows:
// a text box given the text it holds raises no change; a check box set from code raises its click.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
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
// The room a text takes in a control's font: on one line, or wrapped at wrapWidth when it is given.
SIZE measureText(HWND control, std::wstring_view text, int wrapWidth = 0);

// Controls are laid out at their design size, but the installed fonts decide how much room a text
// takes (a font that stands in for a missing design font is often wider), and fonts do not scale
// exactly with the DPI. These grow a control until its text shows whole, and never shrink it.
enum class Grow { Wider, Taller };
// The width a label, check box or option button needs to show a text on one line.
int widthForText(HWND control, std::wstring_view text);
// Grows a label, check box, option button or edit to its own text, or to the longest text it will show.
// Wider keeps the text on one line; Taller wraps it at the control's width. Returns the growth.
SIZE growToText(HWND control, Grow grow, std::wstring_view longestText = {});
// A position box of the whole desktop takes a sign and five digits (monitors left of or above the
// primary have negative positions, wide desktops five-digit ones) and is as wide as the widest such text.
constexpr int positionMaxChars = 6;
constexpr const wchar_t* widestPosition = L"-88888";
// Grows each edit of a row (left to right) to the text and moves what follows it in the row over by
// as much; the frame around the row, if any, grows with them. Returns the growth.
int growBoxesInRow(std::initializer_list<HWND> row, std::wstring_view text, HWND frame);
// Moves a control by an offset in pixels.
void shiftControl(HWND control, int dx, int dy);

// A tool tip window for the tools of `owner` (null: a window of its own, for the caller to destroy).
HWND createToolTips(HWND owner);
// Shows a text over a control; the tool tip keeps a copy of the text.
void addToolTip(HWND toolTips, HWND control, const wchar_t* text);

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
