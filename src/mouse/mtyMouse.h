// The mouse control: a child window that a host carries like a button. Its members (pointer,
// movements, buttons, cursor and mouse settings) come from MouseMembers; the window adds a fixed
// 360 x 560 twips face: a frame without caption and a picture of a mouse.
#pragma once

#include <windows.h>

#include "core/mouse_members.h"
#include "core/mouse_platform.h"
#include "win/dpi.h"
#include "win/window.h"

namespace wp::mouse {

class MtyMouse final : public win::Window, public MouseMembers {
public:
    static constexpr int widthTwips = 360;
    static constexpr int heightTwips = 560;

    explicit MtyMouse(MousePlatform& platform) : MouseMembers(platform) {}
    ~MtyMouse() override;

    // Places the control at a design position of its parent's client area; it takes its own size.
    bool create(HWND parent, int id, win::Dpi dpi, int left96, int top96);

    HWND MouseOverHwnd() { return static_cast<HWND>(MouseMembers::MouseOverHwnd()); }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    int twipsToPixels(int twips) const { return MulDiv(twips, static_cast<int>(dpi_.value), 1440); }
    void paint(HDC dc) const;

    win::Dpi dpi_;
    const BITMAPINFO* picture_ = nullptr; // the resource's DIB; resources stay loaded with the module
};

} // namespace wp::mouse
