// The mouse control's platform on Windows.
#pragma once

#include <cstdint>
#include <random>

#include "core/mouse_platform.h"

namespace wp::mouse {

class Win32MousePlatform final : public MousePlatform {
public:
    ScreenPoint cursorPos() override;
    void setCursorPos(std::int32_t x, std::int32_t y) override;
    ScreenRect windowRect(WindowHandle window) override;
    WindowHandle windowFromPoint(ScreenPoint point) override;
    void injectButton(std::uint32_t flags) override;
    std::int32_t showCursor(bool show) override;
    void confineCursor(const ScreenRect& rect) override;
    void freeCursor() override;
    std::int32_t systemMetric(std::int32_t index) override;
    void swapMouseButton(bool swap) override;
    std::uint32_t doubleClickTime() override;
    void setDoubleClickTime(std::uint32_t milliseconds) override;
    void setMouseTrails(std::int32_t count) override;
    float twipsPerPixelX() override;
    float twipsPerPixelY() override;
    float screenWidthTwips() override;
    float screenHeightTwips() override;
    void reseedRandomFromClock() override;
    float nextRandom() override;
    // The program's one pump, without blocking.
    void letPendingEventsRun() override;

private:
    std::mt19937 random_;
    std::uint32_t reseeds_ = 0;
};

} // namespace wp::mouse
