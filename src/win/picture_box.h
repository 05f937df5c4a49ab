// A plain child window that other code paints on: the picture boxes of the windows.
#pragma once

#include <functional>

#include "win/window.h"

namespace wp::win {

class PictureBox final : public Window {
public:
    using Painter = std::function<void(HDC dc, const RECT& client)>;

    bool create(HWND parent, int id, COLORREF background);
    void setPainter(Painter painter) { painter_ = std::move(painter); }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    Painter painter_;
    COLORREF background_ = 0;
};

} // namespace wp::win
