// A mouse platform in memory: it keeps the pointer (on a screen of its own size and inside any
// confinement), the cursor display counter and the settings, and logs every call that changes
// something, so the tests can compare the log with a table.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/mouse_platform.h"

namespace wp::mouse {
inline std::ostream& operator<<(std::ostream& os, const ScreenPoint& p) {
    return os << "(" << p.x << ", " << p.y << ")";
}
} // namespace wp::mouse

namespace wp::test {

class FakeMousePlatform final : public mouse::MousePlatform {
public:
    // The screen: pixels and the twips factors. Its size in twips follows from them.
    std::int32_t screenWidth = 1280;
    std::int32_t screenHeight = 1024;
    float twipsX = 15.0f;
    float twipsY = 15.0f;

    mouse::ScreenPoint pointer{};
    std::int32_t cursorCounter = 0;
    std::optional<mouse::ScreenRect> confinement;
    std::map<std::int32_t, std::int32_t> metrics;
    std::uint32_t doubleClickMs = 500;
    bool buttonsSwapped = false;
    std::int32_t trails = 0;
    std::map<mouse::WindowHandle, mouse::ScreenRect> windows;
    // What windowFromPoint answers; the point asked is logged.
    mouse::WindowHandle windowAtPoint = nullptr;

    // Drawn in turn; after the last one the values start over.
    std::vector<float> randoms{0.5f};
    std::size_t randomsDrawn = 0;
    int reseeds = 0;
    int yields = 0;
    // Runs inside each yield, as an event handler would.
    std::function<void()> onYield;

    // "SetCursorPos x y", "Yield", "Button 0x2", "ShowCursor -> n", "ClipCursor l t r b", ...
    std::vector<std::string> log;

    // The requested positions of the SetCursorPos calls, in order.
    std::vector<mouse::ScreenPoint> cursorRequests() const;
    std::size_t count(const std::string& prefix) const;

    mouse::ScreenPoint cursorPos() override { return pointer; }
    void setCursorPos(std::int32_t x, std::int32_t y) override;
    mouse::ScreenRect windowRect(mouse::WindowHandle window) override;
    mouse::WindowHandle windowFromPoint(mouse::ScreenPoint point) override;
    void injectButton(std::uint32_t flags) override;
    std::int32_t showCursor(bool show) override;
    void confineCursor(const mouse::ScreenRect& rect) override;
    void freeCursor() override;
    std::int32_t systemMetric(std::int32_t index) override;
    void swapMouseButton(bool swap) override;
    std::uint32_t doubleClickTime() override { return doubleClickMs; }
    void setDoubleClickTime(std::uint32_t milliseconds) override;
    void setMouseTrails(std::int32_t count) override;
    float twipsPerPixelX() override { return twipsX; }
    float twipsPerPixelY() override { return twipsY; }
    float screenWidthTwips() override { return static_cast<float>(screenWidth) * twipsX; }
    float screenHeightTwips() override { return static_cast<float>(screenHeight) * twipsY; }
    void reseedRandomFromClock() override;
    float nextRandom() override;
    void letPendingEventsRun() override;

private:
    void keepPointerInside();
};

} // namespace wp::test
