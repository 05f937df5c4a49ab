// A picture that is a command: an icon stretched to the control over whatever its parent paints,
// a tool tip, its own mouse pointer, and a button's keyboard (a tab stop that Space clicks).
#pragma once

#include <functional>

#include "win/dpi.h"
#include "win/handle.h"
#include "win/window.h"

namespace wp::win {

class ImageControl final : public Window {
public:
    struct Args {
        HWND parent = nullptr;
        int id = 0;
        DesignRect rect{};
        int iconId = 0;               // an icon resource of the program
        const wchar_t* toolTip = L""; // also the control's text, for assistive tools
        HCURSOR cursor = nullptr;     // null: the arrow
        std::function<void()> onClick;
    };

    bool create(const Args& args, Dpi dpi);
    // Puts the control at its design rectangle for a new DPI and loads the icon at that size.
    void place(DesignRect rect, Dpi dpi);
    // The tool tip window; made on the first need (a pointer over the picture), since a tool tip
    // costs the window that shows the picture time before it appears.
    HWND toolTip();

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void paint(HDC dc);
    void paintBeneath(HDC dc, const RECT& client);
    void loadIcon();
    void released(POINT at);

    int iconId_ = 0;
    HCURSOR cursor_ = nullptr;
    std::function<void()> onClick_;
    Icon icon_;
    OwnedWindow tip_;
    bool pressed_ = false;
    bool focused_ = false;
};

} // namespace wp::win
