#include "core/mouse_members.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/mouse_buttons.h"
#include "core/numbers.h"

namespace wp::mouse {
namespace {

// System metric indices.
constexpr std::int32_t cursorWidthMetric = 13;
constexpr std::int32_t cursorHeightMetric = 14;
constexpr std::int32_t mousePresentMetric = 19;
constexpr std::int32_t buttonsSwappedMetric = 23;
constexpr std::int32_t mouseButtonsMetric = 43;

constexpr std::int16_t maxMouseTrails = 7;

// Twice the distance, as the step count of a movement; 0 counts as 1.
std::int32_t doubledDistance(std::int32_t distance) {
    const std::int64_t doubled = 2 * (distance < 0 ? -std::int64_t{distance} : std::int64_t{distance});
    return doubled == 0 ? 1 : checkedInt32(doubled);
}

std::int32_t floorToInt32(double value) {
    const Parsed<std::int32_t> whole = toInt32(std::floor(value));
    if (!whole) throw MouseOverflow("mouse: value out of the 32-bit range");
    return whole.value;
}

struct ButtonFlags {
    std::uint32_t press;
    std::uint32_t release;
};

// Physical buttons 0 left, 1 right, 2 middle; any other number has no events.
std::optional<ButtonFlags> buttonFlags(std::int32_t physical) {
    switch (physical) {
    case 0:
        return ButtonFlags{0x0002, 0x0004};
    case 1:
        return ButtonFlags{0x0008, 0x0010};
    case 2:
        return ButtonFlags{0x0020, 0x0040};
    default:
        return std::nullopt;
    }
}

} // namespace

bool MouseMembers::CursorVisible() {
    const std::int32_t counter = platform_.showCursor(true);
    platform_.showCursor(false);
    return counter > 0;
}

void MouseMembers::CursorVisible(bool bShow) {
    // Past the goal first, then back to it; each loop calls at least once.
    const std::int32_t past = bShow ? 1 : -2;
    const std::int32_t goal = bShow ? 0 : -1;
    std::int32_t counter = 0;
    do {
        counter = platform_.showCursor(bShow);
    } while (bShow ? counter < past : counter > past);
    do {
        counter = platform_.showCursor(!bShow);
    } while (bShow ? counter > goal : counter < goal);
}

void MouseMembers::PointToPoint(std::int32_t xStart, std::int32_t yStart, std::int32_t xEnd, std::int32_t yEnd) {
    const std::int32_t xDistance = checkedDifference(xEnd, xStart);
    const std::int32_t yDistance = checkedDifference(yEnd, yStart);
    const std::int32_t steps = std::max(doubledDistance(xDistance), doubledDistance(yDistance));
    const double dx = static_cast<double>(xDistance) / pointToPointDivisor;
    const double dy = static_cast<double>(yDistance) / pointToPointDivisor;
    const auto xAt = [&](std::int32_t i) { return roundToInt32(i * dx + xStart); };
    const auto yAt = [&](std::int32_t i) { return roundToInt32(i * dy + yStart); };
    // The positions run straight from the start to the last one: if the last fits, all do. Refuse
    // before the first move rather than part way.
    xAt(steps);
    yAt(steps);
    for (std::int32_t i = 1; i <= steps; ++i) {
        if (i % stepsPerYield == 0) platform_.letPendingEventsRun();
        ScreenMousePosX(1, xAt(i));
        ScreenMousePosY(1, yAt(i));
    }
}

void MouseMembers::MouseCurve(bool bToggle) {
    if (!bToggle || !bStop_) {
        bStop_ = true;
        return;
    }
    bStop_ = false;
    try {
        runCurves();
    } catch (...) {
        bStop_ = true; // a failed run must not leave the control believing a curve still runs
        throw;
    }
}

void MouseMembers::runCurves() {
    ScreenPoint p0;
    p0.x = ScreenMousePosX(1);
    p0.y = ScreenMousePosY(1);
    ScreenPoint p1{1, 1};
    for (;;) {
        platform_.reseedRandomFromClock();
        const std::int16_t width = screenPixels(platform_.screenWidthTwips(), true);
        const std::int16_t height = screenPixels(platform_.screenHeightTwips(), false);
        ScreenPoint p2, p3;
        p2.x = floorToInt32(width * static_cast<double>(platform_.nextRandom()) + 1);
        p2.y = floorToInt32(height * static_cast<double>(platform_.nextRandom()) + 1);
        p3.x = floorToInt32(width * static_cast<double>(platform_.nextRandom()) + 1);
        p3.y = floorToInt32(height * static_cast<double>(platform_.nextRandom()) + 1);
        points_.start(p0);
        if (bStop_) return;
        SubdivideCurve(p0, p1, p2, p3, curveDepth);
        for (std::int32_t k = 1; k < PointTable::capacity; ++k) {
            const ScreenPoint from = points_.entry(k);
            const ScreenPoint to = points_.entry(k + 1);
            PointToPoint(from.x, from.y, to.x, to.y);
            platform_.letPendingEventsRun();
            if (bStop_) break;
        }
        // The next curve starts where this one ended and bends on from its last control point.
        p0 = p3;
        p1 = p2;
    }
}

std::int16_t MouseMembers::screenPixels(float twips, bool horizontal) {
    const std::int32_t wholeTwips = roundToInt32(twips);
    const std::int32_t pixels = horizontal ? TwipsToPixelsX(wholeTwips) : TwipsToPixelsY(wholeTwips);
    if (pixels < INT16_MIN || pixels > INT16_MAX) throw MouseOverflow("mouse: screen wider than 32767 pixels");
    return static_cast<std::int16_t>(pixels);
}

bool MouseMembers::SwapMouseBtn() {
    return platform_.systemMetric(buttonsSwappedMetric) != 0;
}

bool MouseMembers::NewCursor(std::wstring_view) {
    return false;
}

void MouseMembers::SetMouseTrails(std::int16_t iNumTrails) {
    if (iNumTrails >= 0 && iNumTrails <= maxMouseTrails) platform_.setMouseTrails(iNumTrails);
}

void MouseMembers::DoubleClickSpeed(std::int32_t lSpeed) {
    platform_.setDoubleClickTime(static_cast<std::uint32_t>(lSpeed));
}

std::int32_t MouseMembers::DoubleClickSpeed() {
    return static_cast<std::int32_t>(platform_.doubleClickTime());
}

void MouseMembers::LimitCursor(std::int32_t lTop, std::int32_t lLeft, std::int32_t lBottom, std::int32_t lRight,
                               std::int32_t iMode) {
    ScreenRect rect{lLeft, lTop, lRight, lBottom};
    if (iMode == 0) {
        rect.top = TwipsToPixelsY(lTop);
        rect.left = TwipsToPixelsX(lLeft);
        rect.bottom = TwipsToPixelsY(lBottom);
        rect.right = TwipsToPixelsX(lRight);
    }
    platform_.confineCursor(rect);
}

// Confining to the desktop window's rectangle would keep the pointer on the primary monitor of a
// multi-monitor desktop; lifting the confinement frees it everywhere.
void MouseMembers::LimitCursorOff() {
    platform_.freeCursor();
}

std::int32_t MouseMembers::MouseButtons() {
    return platform_.systemMetric(mouseButtonsMetric);
}

WindowHandle MouseMembers::MouseOverHwnd() {
    ScreenPoint point;
    point.x = ScreenMousePosX(1);
    point.y = ScreenMousePosY(1);
    return platform_.windowFromPoint(point);
}

bool MouseMembers::MousePresent() {
    return platform_.systemMetric(mousePresentMetric) == 1;
}

void MouseMembers::ScreenMousePosX(std::int32_t iMode, std::int32_t xPos) {
    const std::int32_t x = iMode == 0 ? TwipsToPixelsX(xPos) : xPos;
    const std::int32_t y = ScreenMousePosY(1);
    platform_.setCursorPos(x, y);
}

void MouseMembers::ScreenMousePosY(std::int32_t iMode, std::int32_t yPos) {
    const std::int32_t y = iMode == 0 ? TwipsToPixelsY(yPos) : yPos;
    const std::int32_t x = ScreenMousePosX(1);
    platform_.setCursorPos(x, y);
}

std::int32_t MouseMembers::ScreenMousePosX(std::int32_t iMode) {
    const std::int32_t x = platform_.cursorPos().x;
    return iMode == 0 ? PixelsToTwipsX(x) : x;
}

std::int32_t MouseMembers::hWndMousePosX(WindowHandle hwnd, std::int32_t iMode) {
    const std::int32_t x = platform_.cursorPos().x;
    const std::int32_t offset = checkedDifference(x, platform_.windowRect(hwnd).left);
    return iMode == 0 ? PixelsToTwipsX(offset) : offset;
}

std::int32_t MouseMembers::hWndMousePosY(WindowHandle hwnd, std::int32_t iMode) {
    const std::int32_t y = platform_.cursorPos().y;
    const std::int32_t offset = checkedDifference(y, platform_.windowRect(hwnd).top);
    return iMode == 0 ? PixelsToTwipsY(offset) : offset;
}

std::int32_t MouseMembers::ScreenMousePosY(std::int32_t iMode) {
    const std::int32_t y = platform_.cursorPos().y;
    return iMode == 0 ? PixelsToTwipsY(y) : y;
}

void MouseMembers::SwapMouseBtn(bool bSwap) {
    platform_.swapMouseButton(bSwap);
}

std::int32_t MouseMembers::CursorHeight() {
    return platform_.systemMetric(cursorHeightMetric);
}

std::int32_t MouseMembers::CursorWidth() {
    return platform_.systemMetric(cursorWidthMetric);
}

std::int32_t MouseMembers::TwipsToPixelsX(std::int32_t lTwips) {
    return twipsToPixels(lTwips, platform_.twipsPerPixelX());
}

std::int32_t MouseMembers::PixelsToTwipsX(std::int32_t lPixels) {
    return pixelsToTwips(lPixels, platform_.twipsPerPixelX());
}

std::int32_t MouseMembers::TwipsToPixelsY(std::int32_t lTwips) {
    return twipsToPixels(lTwips, platform_.twipsPerPixelY());
}

std::int32_t MouseMembers::PixelsToTwipsY(std::int32_t lPixels) {
    return pixelsToTwips(lPixels, platform_.twipsPerPixelY());
}

// The system sends an injected press of the left button to windows as the secondary one when the
// buttons are swapped; the caller names the role.
std::int32_t MouseMembers::physicalButton(std::int32_t lButton) {
    return swappedButton(lButton, platform_.systemMetric(buttonsSwappedMetric) != 0);
}

void MouseMembers::ButtonDown(std::int32_t lButton) {
    if (const auto flags = buttonFlags(physicalButton(lButton))) platform_.injectButton(flags->press);
}

void MouseMembers::DoubleClick(std::int32_t lButton) {
    SingleClick(lButton);
    SingleClick(lButton);
}

void MouseMembers::SingleClick(std::int32_t lButton) {
    ButtonDown(lButton);
    ButtonUp(lButton);
}

void MouseMembers::ButtonUp(std::int32_t lButton) {
    if (const auto flags = buttonFlags(physicalButton(lButton))) platform_.injectButton(flags->release);
}

void MouseMembers::SubdivideCurve(ScreenPoint p1, ScreenPoint p2, ScreenPoint p3, ScreenPoint p4, std::int16_t depth) {
    subdivideCurve(points_, p1, p2, p3, p4, depth);
}

} // namespace wp::mouse
