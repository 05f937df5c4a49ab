// A mouse platform in memory: it keeps the pointer, the cursor display counter and the settings,
// and logs every call that changes something, so that a test compares the log with its table.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/mouse_platform.h"

namespace wp::test {

class FakeMousePlatform final : public mouse::MousePlatform {
public:
    std::int32_t screenWidth = 1280, screenHeight = 1024; // pixels
    float twipsX = 15.0f, twipsY = 15.0f;
    mouse::ScreenPoint pointer{};
    mouse::ScreenRect window{}; // the rectangle of every window handle
    std::int32_t cursorCounter = 0;
    std::map<std::int32_t, std::int32_t> metrics;
    std::vector<float> randoms{0.5f}; // drawn in turn, then over again
    std::size_t randomsDrawn = 0;
    int reseeds = 0, yields = 0;
    std::function<void()> onYield; // runs inside each yield, as an event handler would
    std::vector<std::string> log;  // "SetCursorPos 1 2", "Yield", "Button 2", "ShowCursor -1", ...

    mouse::ScreenPoint cursorPos() override { return pointer; }
    void setCursorPos(std::int32_t x, std::int32_t y) override {
        pointer = {x, y};
        note("SetCursorPos", x, y);
    }
    mouse::ScreenRect windowRect(mouse::WindowHandle) override { return window; }
    mouse::WindowHandle windowFromPoint(mouse::ScreenPoint p) override {
        note("WindowFromPoint", p.x, p.y);
        return this;
    }
    void injectButton(std::uint32_t flags) override { note("Button", flags); }
    std::int32_t showCursor(bool show) override {
        note("ShowCursor", cursorCounter += show ? 1 : -1);
        return cursorCounter;
    }
    void confineCursor(const mouse::ScreenRect& r) override { note("ClipCursor", r.left, r.top, r.right, r.bottom); }
    void freeCursor() override { note("ClipCursor none"); }
    std::int32_t systemMetric(std::int32_t index) override { return metrics[index]; }
    void swapMouseButton(bool swap) override { note("SwapMouseButton", metrics[23] = swap); } // SM_SWAPBUTTON
    std::uint32_t doubleClickTime() override { return 500; }
    void setDoubleClickTime(std::uint32_t milliseconds) override { note("SetDoubleClickTime", milliseconds); }
    void setMouseTrails(std::int32_t count) override { note("MouseTrails", count); }
    float twipsPerPixelX() override { return twipsX; }
    float twipsPerPixelY() override { return twipsY; }
    float screenWidthTwips() override { return static_cast<float>(screenWidth) * twipsX; }
    float screenHeightTwips() override { return static_cast<float>(screenHeight) * twipsY; }
    void reseedRandomFromClock() override {
        note("Reseed");
        ++reseeds;
    }
    float nextRandom() override { return randoms[randomsDrawn++ % randoms.size()]; }
    void letPendingEventsRun() override {
        note("Yield");
        ++yields;
        if (onYield) onYield();
    }

private:
    template <class... Numbers> void note(const char* call, Numbers... numbers) {
        std::string line = call;
        ((line += ' ' + std::to_string(numbers)), ...);
        log.push_back(line);
    }
};

} // namespace wp::test
