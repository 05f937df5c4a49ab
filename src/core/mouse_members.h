// The mouse control's members over a platform: pointer position in twips or pixels, the two
// movements, button events, cursor display and confinement, and the system's mouse settings.
// The window side (mouse/mtyMouse.h) adds the control's face.
//
// Members that compute with coordinates throw MouseOverflow when a result leaves the 32-bit
// range; a caller inside a window procedure catches it there.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/mouse_arithmetic.h"
#include "core/mouse_curve.h"
#include "core/mouse_platform.h"

namespace wp::mouse {

// In the control's slot order. iMode 0 means twips, any other value screen pixels.
class MouseMembers {
public:
    // The yields of the movements: every fourth step, and after every curve piece.
    static constexpr std::int32_t stepsPerYield = 4;
    static constexpr std::int32_t pointToPointDivisor = 1500;
    static constexpr std::int16_t curveDepth = 11;

    explicit MouseMembers(MousePlatform& platform) : platform_(platform) {}
    MouseMembers(const MouseMembers&) = delete;
    MouseMembers& operator=(const MouseMembers&) = delete;

    bool CursorVisible();
    // Drives the display counter to 0 (shown) or -1 (hidden).
    void CursorVisible(bool bShow);
    void PointToPoint(std::int32_t xStart, std::int32_t yStart, std::int32_t xEnd, std::int32_t yEnd);
    // true starts endless random curves when none run and stops them when they do; false stops.
    // A running call returns once a stop is asked from an event handler during one of its yields.
    void MouseCurve(bool bToggle);
    bool SwapMouseBtn();
    bool NewCursor(std::wstring_view sFileName = {});
    // 0 to 7 trails for this session; any other count is ignored.
    void SetMouseTrails(std::int16_t iNumTrails);
    void DoubleClickSpeed(std::int32_t lSpeed);
    std::int32_t DoubleClickSpeed();
    void LimitCursor(std::int32_t lTop, std::int32_t lLeft, std::int32_t lBottom, std::int32_t lRight,
                     std::int32_t iMode);
    void LimitCursorOff();
    std::int32_t MouseButtons();
    WindowHandle MouseOverHwnd();
    bool MousePresent();
    void ScreenMousePosX(std::int32_t iMode, std::int32_t xPos);
    void ScreenMousePosY(std::int32_t iMode, std::int32_t yPos);
    std::int32_t ScreenMousePosX(std::int32_t iMode);
    std::int32_t hWndMousePosX(WindowHandle hwnd, std::int32_t iMode);
    std::int32_t hWndMousePosY(WindowHandle hwnd, std::int32_t iMode);
    std::int32_t ScreenMousePosY(std::int32_t iMode);
    void SwapMouseBtn(bool bSwap);
    std::int32_t CursorHeight();
    std::int32_t CursorWidth();
    std::int32_t TwipsToPixelsX(std::int32_t lTwips);
    std::int32_t PixelsToTwipsX(std::int32_t lPixels);
    std::int32_t TwipsToPixelsY(std::int32_t lTwips);
    std::int32_t PixelsToTwipsY(std::int32_t lPixels);
    // lButton by role (core/mouse_buttons.h): with the buttons swapped, 0 presses the right one.
    void ButtonDown(std::int32_t lButton);
    void DoubleClick(std::int32_t lButton);
    void SingleClick(std::int32_t lButton);
    void ButtonUp(std::int32_t lButton);

private:
    std::int32_t physicalButton(std::int32_t lButton);
    void SubdivideCurve(ScreenPoint p1, ScreenPoint p2, ScreenPoint p3, ScreenPoint p4, std::int16_t depth);
    void runCurves();
    std::int16_t screenPixels(float twips, bool horizontal);

    MousePlatform& platform_;
    PointTable points_;
    // true: no curve runs, or the running one has been asked to stop.
    bool bStop_ = true;
};

} // namespace wp::mouse
