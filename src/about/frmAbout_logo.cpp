// The logo under the mouse: pressed, it is picked up (see imgLogo_MouseDown) and held with the
// mouse captured until every button is up again.
#include "about/frmAbout.h"

#include <windowsx.h>

namespace wp::about {

namespace {

MouseButton buttonOf(UINT message) {
    switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return RightButton;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return MiddleButton;
    default:
        return LeftButton;
    }
}

// The modifier keys as the mouse handlers take them.
std::int32_t shiftOf(WPARAM keys) {
    std::int32_t shift = 0;
    if (keys & MK_SHIFT) shift |= ShiftKey;
    if (keys & MK_CONTROL) shift |= CtrlKey;
    if (GetKeyState(VK_MENU) < 0) shift |= AltKey;
    return shift;
}

} // namespace

void FrmAbout::onLogoMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        onMouseDown(buttonOf(message), wParam, lParam);
        break;
    case WM_CAPTURECHANGED:
        onCaptureChanged(reinterpret_cast<HWND>(lParam));
        break;
    default:
        onMouseUp(buttonOf(message), wParam, lParam);
        break;
    }
}

void FrmAbout::onMouseDown(std::int32_t button, WPARAM keys, LPARAM at) {
    const POINT p{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (!logoPressed_ && !PtInRect(&logo_, p)) return;
    logoPressed_ = true;
    SetCapture(hwnd());
    imgLogo_MouseDown(button, shiftOf(keys), p.x - logo_.left, p.y - logo_.top);
}

void FrmAbout::onMouseUp(std::int32_t button, WPARAM keys, LPARAM at) {
    if (!logoPressed_) return;
    if (!(keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
        logoPressed_ = false;
        ReleaseCapture();
    }
    imgLogo_MouseUp(button, shiftOf(keys), GET_X_LPARAM(at) - logo_.left, GET_Y_LPARAM(at) - logo_.top);
}

// Capture taken away mid-press: no release will come, so the logo must not go on following.
void FrmAbout::onCaptureChanged(HWND taker) {
    if (!logoPressed_ || taker == hwnd()) return;
    logoPressed_ = false;
    imgLogo_MouseUp(0, 0, 0, 0);
}

} // namespace wp::about
