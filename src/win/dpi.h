// Design sizes are 96-DPI pixels; this scales them to a window's DPI.
#pragma once

#include <windows.h>

namespace wp::win {

struct Dpi {
    UINT value = USER_DEFAULT_SCREEN_DPI;

    int scale(int designPixels) const { return MulDiv(designPixels, static_cast<int>(value), USER_DEFAULT_SCREEN_DPI); }
    // Font heights are given in hundredths of a point (8.25 pt = 825).
    int fontHeight(int hundredthsOfPoint) const { return -MulDiv(hundredthsOfPoint, static_cast<int>(value), 7200); }
};

inline Dpi dpiOf(HWND hwnd) {
    const UINT dpi = hwnd ? GetDpiForWindow(hwnd) : GetDpiForSystem();
    return Dpi{dpi ? dpi : USER_DEFAULT_SCREEN_DPI};
}

// A rectangle given as left, top, width and height in design pixels.
struct DesignRect {
    int left, top, width, height;
};

} // namespace wp::win
