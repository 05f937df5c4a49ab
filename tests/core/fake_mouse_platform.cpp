#include "fake_mouse_platform.h"

#include <algorithm>
#include <cstdio>

namespace wp::test {

std::vector<mouse::ScreenPoint> FakeMousePlatform::cursorRequests() const {
    std::vector<mouse::ScreenPoint> out;
    for (const std::string& line : log) {
        mouse::ScreenPoint p;
        if (std::sscanf(line.c_str(), "SetCursorPos %d %d", &p.x, &p.y) == 2) out.push_back(p);
    }
    return out;
}

std::size_t FakeMousePlatform::count(const std::string& prefix) const {
    return static_cast<std::size_t>(
        std::count_if(log.begin(), log.end(), [&](const std::string& line) { return line.rfind(prefix, 0) == 0; }));
}

void FakeMousePlatform::setCursorPos(std::int32_t x, std::int32_t y) {
    log.push_back("SetCursorPos " + std::to_string(x) + " " + std::to_string(y));
    pointer = {x, y};
    keepPointerInside();
}

void FakeMousePlatform::keepPointerInside() {
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

mouse::ScreenRect FakeMousePlatform::windowRect(mouse::WindowHandle window) {
    const auto found = windows.find(window);
    return found == windows.end() ? mouse::ScreenRect{} : found->second;
}

mouse::WindowHandle FakeMousePlatform::windowFromPoint(mouse::ScreenPoint point) {
    log.push_back("WindowFromPoint " + std::to_string(point.x) + " " + std::to_string(point.y));
    return windowAtPoint;
}

void FakeMousePlatform::injectButton(std::uint32_t flags) {
    char text[32];
    std::snprintf(text, sizeof text, "Button 0x%x", static_cast<unsigned>(flags));
    log.push_back(text);
}

std::int32_t FakeMousePlatform::showCursor(bool show) {
    cursorCounter += show ? 1 : -1;
    log.push_back("ShowCursor -> " + std::to_string(cursorCounter));
    return cursorCounter;
}

void FakeMousePlatform::confineCursor(const mouse::ScreenRect& rect) {
    log.push_back("ClipCursor " + std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
                  std::to_string(rect.right) + " " + std::to_string(rect.bottom));
    confinement = rect;
    keepPointerInside();
}

void FakeMousePlatform::freeCursor() {
    log.push_back("ClipCursor none");
    confinement.reset();
}

std::int32_t FakeMousePlatform::systemMetric(std::int32_t index) {
    constexpr std::int32_t buttonsSwappedMetric = 23;
    const auto found = metrics.find(index);
    if (found != metrics.end()) return found->second;
    return index == buttonsSwappedMetric && buttonsSwapped ? 1 : 0;
}

void FakeMousePlatform::swapMouseButton(bool swap) {
    log.push_back(std::string("SwapMouseButton ") + (swap ? "1" : "0"));
    buttonsSwapped = swap;
}

void FakeMousePlatform::setDoubleClickTime(std::uint32_t milliseconds) {
    log.push_back("SetDoubleClickTime " + std::to_string(milliseconds));
    doubleClickMs = milliseconds;
}

void FakeMousePlatform::setMouseTrails(std::int32_t count) {
    log.push_back("MouseTrails " + std::to_string(count));
    trails = count;
}

void FakeMousePlatform::reseedRandomFromClock() {
    log.push_back("Reseed");
    ++reseeds;
}

float FakeMousePlatform::nextRandom() {
    const float value = randoms.empty() ? 0.0f : randoms[randomsDrawn % randoms.size()];
    ++randomsDrawn;
    return value;
}

void FakeMousePlatform::letPendingEventsRun() {
    log.push_back("Yield");
    ++yields;
    if (onYield) onYield();
}

} // namespace wp::test
