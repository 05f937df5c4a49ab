// A mouse platform in memory: it keeps the pointer (on a screen of its own size and inside any
// confinement), the cursor display counter and the settings, and logs every call that changes
// something, so the tests can compare the log with a table.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
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
    std::int32_t screenWidth = 1280, screenHeight = 1024;
    float twipsX = 15.0f, twipsY = 15.0f;

    mouse::ScreenPoint pointer{};
    std::int32_t cursorCounter = 0;
    std::optional<mouse::ScreenRect> confinement;
    std::map<std::int32_t, std::int32_t> metrics;
    std::uint32_t doubleClickMs = 500;
    bool buttonsSwapped = false;
    std::map<mouse::WindowHandle, mouse::ScreenRect> windows;
    mouse::WindowHandle windowAtPoint = nullptr; // what windowFromPoint answers

    std::vector<float> randoms{0.5f}; // drawn in turn, then over again
    std::size_t randomsDrawn = 0;
    int reseeds = 0, yields = 0;
    std::function<void()> onYield; // runs inside each yield, as an event handler would

    // "SetCursorPos x y", "Yield", "Button 0x2", "ShowCursor -> n", "ClipCursor l t r b", ...
    std::vector<std::string> log;

    // The requested positions of the SetCursorPos calls, in order.
    std::vector<mouse::ScreenPoint> cursorRequests() const {
        std::vector<mouse::ScreenPoint> out;
        for (const std::string& line : log) {
            mouse::ScreenPoint p;
            if (std::sscanf(line.c_str(), "SetCursorPos %d %d", &p.x, &p.y) == 2) out.push_back(p);
        }
        return out;
    }
    std::size_t count(const std::string& prefix) const {
        return static_cast<std::size_t>(
            std::count_if(log.begin(), log.end(), [&](const std::string& line) { return line.rfind(prefix, 0) == 0; }));
    }

    mouse::ScreenPoint cursorPos() override { return pointer; }
    void setCursorPos(std::int32_t x, std::int32_t y) override {
        note("SetCursorPos", {x, y});
        pointer = {x, y};
        keepPointerInside();
    }
    mouse::ScreenRect windowRect(mouse::WindowHandle window) override {
        const auto found = windows.find(window);
        return found == windows.end() ? mouse::ScreenRect{} : found->second;
    }
    mouse::WindowHandle windowFromPoint(mouse::ScreenPoint p) override {
        note("WindowFromPoint", {p.x, p.y});
        return windowAtPoint;
    }
    void injectButton(std::uint32_t flags) override {
        char text[32];
        std::snprintf(text, sizeof text, "Button 0x%x", static_cast<unsigned>(flags));
        log.push_back(text);
    }
    std::int32_t showCursor(bool show) override {
        cursorCounter += show ? 1 : -1;
        log.push_back("ShowCursor -> " + std::to_string(cursorCounter));
        return cursorCounter;
    }
    void confineCursor(const mouse::ScreenRect& r) override {
        note("ClipCursor", {r.left, r.top, r.right, r.bottom});
        confinement = r;
        keepPointerInside();
    }
    void freeCursor() override {
        log.push_back("ClipCursor none");
        confinement.reset();
    }
    std::int32_t systemMetric(std::int32_t index) override {
        const auto found = metrics.find(index);
        if (found != metrics.end()) return found->second;
        return index == 23 && buttonsSwapped ? 1 : 0; // SM_SWAPBUTTON
    }
    void swapMouseButton(bool swap) override {
        note("SwapMouseButton", {swap ? 1 : 0});
        buttonsSwapped = swap;
    }
    std::uint32_t doubleClickTime() override { return doubleClickMs; }
    void setDoubleClickTime(std::uint32_t milliseconds) override {
        note("SetDoubleClickTime", {static_cast<std::int64_t>(milliseconds)});
        doubleClickMs = milliseconds;
    }
    void setMouseTrails(std::int32_t count) override { note("MouseTrails", {count}); }
    float twipsPerPixelX() override { return twipsX; }
    float twipsPerPixelY() override { return twipsY; }
    float screenWidthTwips() override { return static_cast<float>(screenWidth) * twipsX; }
    float screenHeightTwips() override { return static_cast<float>(screenHeight) * twipsY; }
    void reseedRandomFromClock() override {
        log.push_back("Reseed");
        ++reseeds;
    }
    float nextRandom() override { return randoms.empty() ? 0.0f : randoms[randomsDrawn++ % randoms.size()]; }
    void letPendingEventsRun() override {
        log.push_back("Yield");
        ++yields;
        if (onYield) onYield();
    }

private:
    void note(const char* call, std::initializer_list<std::int64_t> numbers) {
        std::string line = call;
        for (const std::int64_t n : numbers) {
            line += ' ';
            line += std::to_string(n);
        }
        log.push_back(line);
    }
    void keepPointerInside() {
        mouse::ScreenRect area{0, 0, screenWidth, screenHeight};
        if (confinement) {
            area.left = std::max(area.left, confinement->left);
            area.top = std::max(area.top, confinement->top);
            area.right = std::min(area.right, confinement->right);
            area.bottom = std::min(area.bottom, confinement->bottom);
        }
        pointer.x = std::clamp(pointer.x, area.left, std::max(area.left, area.right - 1));
        pointer.y = std::clamp(pointer.y, area.top, std::max(area.top, area.bottom - 1));
    }
};

} // namespace wp::test
