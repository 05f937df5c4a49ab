// A window's controls as one table: a row per control, in tab order. The form creates the controls,
// lays them out at the window's DPI, follows DPI changes, sizes and centres the window, and routes
// each WM_COMMAND by id to the handler its row names.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "win/controls.h"
#include "win/dpi.h"
#include "win/handle.h"

namespace wp::win {

// How a control fits its text at each layout (see growToText); None keeps the design size.
enum class Fit { None, Wider, Taller };

// A member that follows its control by the conventions of controls.h: the control's change or
// click runs the row's handler through it.
using Bound = std::variant<std::monostate, TextBox*, CheckBox*>;

struct FormRow {
    int id = 0;
    const wchar_t* className = L"STATIC";
    const wchar_t* text = L"";
    DWORD style = 0;
    DWORD exStyle = 0;
    DesignRect rect{}; // client pixels at 96 DPI, in the parent's client area
    int font = 0;      // index into the form's fonts
    // Runs on the control's click (a button, a label with SS_NOTIFY) or, for an edit, its change.
    std::function<void()> handler;

    Bound bound{};
    Fit fit = Fit::None;
    int maxChars = 0; // an edit's limit; 0: the system's
    const wchar_t* toolTip = nullptr;
    HWND parent = nullptr; // null: the window

    FormRow drives(TextBox& box) && { return bind(&box); }
    FormRow drives(CheckBox& box) && { return bind(&box); }
    FormRow fits(Fit how) && {
        fit = how;
        return std::move(*this);
    }
    FormRow tip(const wchar_t* shown) && {
        toolTip = shown;
        return std::move(*this);
    }
    FormRow inside(HWND container) && {
        parent = container;
        return std::move(*this);
    }

private:
    FormRow bind(Bound what) {
        bound = what;
        return std::move(*this);
    }
};

struct FormDesign {
    std::vector<FontSpec> fonts;
    std::vector<FormRow> rows;
    // Runs after each layout, for what the table cannot say (controls placed relative to others).
    std::function<void()> laidOut;
};

// A row's handler: a member function of the window that holds the form.
template <class Owner> std::function<void()> call(Owner* owner, void (Owner::*handler)()) {
    return [owner, handler] { (owner->*handler)(); };
}

class Form {
public:
    // The window the form works on, and the DPI its controls are laid out at.
    void attach(HWND window, Dpi dpi);
    // Creates the rows' controls, in order, at the form's DPI; lay them out with layout().
    void create(FormDesign design);
    // Fonts at the present DPI, every control at its design place and font, fitted to its text.
    void layout();

    // A command that is no control of the table (a menu item), or a control's notification the table
    // does not route.
    void onCommand(int id, std::function<void()> handler, UINT notification = 0);
    // WM_COMMAND to its handler and WM_DPICHANGED to a new layout; nothing for other messages.
    // Give it every message of the window first: it also sees the window's end.
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam);

    // Sizes the window so its client area has the given size.
    void sizeWindow(SIZE client) const;
    // Centres the window on another window (null: on the work area of its own monitor), kept
    // on that work area so that its caption can be reached.
    void centre(HWND over = nullptr) const;

    Dpi dpi() const { return dpi_; }
    HFONT font(int index) const { return fonts_.at(static_cast<std::size_t>(index)).get(); }
    // The control of a row; null for an id no row has.
    HWND control(int id) const;
    const std::vector<FormRow>& rows() const { return design_.rows; }

private:
    struct Route {
        int id;
        UINT notification;
        std::function<void()> run;
    };
    void addRoute(const FormRow& row, HWND control);
    // Runs the handler of one WM_COMMAND, when one takes it.
    void command(WPARAM wParam);

    HWND window_ = nullptr;
    Dpi dpi_;
    FormDesign design_;
    std::vector<HWND> controls_; // by row
    std::vector<Font> fonts_;
    std::vector<Route> routes_;
    OwnedWindow toolTips_;
};

} // namespace wp::win
