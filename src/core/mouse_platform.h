// Every platform service the mouse control uses, behind one interface: the real one talks to
// Win32, the tests' fake keeps the same state in memory. Kept free of <windows.h>, so the
// control's logic builds and is tested on any host.
#pragma once

#include <cstdint>

namespace wp::mouse {

// Screen pixels.
struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// Screen pixels, edges in the usual order; right and bottom lie just outside.
struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// A window handle (an HWND on Windows), opaque to the portable code.
using WindowHandle = void*;

class MousePlatform {
public:
    virtual ~MousePlatform() = default;

    virtual ScreenPoint cursorPos() = 0;
    // The system keeps the pointer on the screen and inside any confinement.
    virtual void setCursorPos(std::int32_t x, std::int32_t y) = 0;
    // The window's outer rectangle; all zero when the handle names no window.
    virtual ScreenRect windowRect(WindowHandle window) = 0;
    virtual WindowHandle windowFromPoint(ScreenPoint point) = 0;

    // One button event with the given press or release flag, at the pointer's position.
    virtual void injectButton(std::uint32_t flags) = 0;

    // Raises (true) or lowers the cursor display counter by one; returns the new counter.
    virtual std::int32_t showCursor(bool show) = 0;
    virtual void confineCursor(const ScreenRect& rect) = 0;
    virtual void freeCursor() = 0;

    virtual std::int32_t systemMetric(std::int32_t index) = 0;
    virtual void swapMouseButton(bool swap) = 0;
    virtual std::uint32_t doubleClickTime() = 0;
    virtual void setDoubleClickTime(std::uint32_t milliseconds) = 0;
    // Pointer trails for this session; 0 and 1 turn them off.
    virtual void setMouseTrails(std::int32_t count) = 0;

    // The primary screen, as the windows' twips layout sees it.
    virtual float twipsPerPixelX() = 0;
    virtual float twipsPerPixelY() = 0;
    virtual float screenWidthTwips() = 0;
    virtual float screenHeightTwips() = 0;

    virtual void reseedRandomFromClock() = 0;
    // A uniform value in [0, 1).
    virtual float nextRandom() = 0;

    // Runs the window events that are waiting (input and timers included), then returns.
    virtual void letPendingEventsRun() = 0;
};

} // namespace wp::mouse
