#include "mouse/win32_mouse_platform.h"

#include <windows.h>

#include <chrono>

#include "win/handle.h"
#include "win/pump.h"

namespace wp::mouse {
namespace {

constexpr float twipsPerInch = 1440.0f;

float twipsPerPixel(int axis) {
    const win::WindowDC screen(nullptr);
    const int dotsPerInch = screen ? GetDeviceCaps(screen.get(), axis) : 0;
    return twipsPerInch / static_cast<float>(dotsPerInch > 0 ? dotsPerInch : USER_DEFAULT_SCREEN_DPI);
}

HWND toHwnd(WindowHandle window) {
    return static_cast<HWND>(window);
}

} // namespace

ScreenPoint Win32MousePlatform::cursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void Win32MousePlatform::setCursorPos(std::int32_t x, std::int32_t y) {
    SetCursorPos(x, y);
}

ScreenRect Win32MousePlatform::windowRect(WindowHandle window) {
    RECT r{};
    if (!GetWindowRect(toHwnd(window), &r)) r = {};
    return {r.left, r.top, r.right, r.bottom};
}

WindowHandle Win32MousePlatform::windowFromPoint(ScreenPoint point) {
    return WindowFromPoint(POINT{point.x, point.y});
}

// SendInput with the button flags and no movement: the event of mouse_event at the pointer.
void Win32MousePlatform::injectButton(std::uint32_t flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

std::int32_t Win32MousePlatform::showCursor(bool show) {
    return ShowCursor(show ? TRUE : FALSE);
}

void Win32MousePlatform::confineCursor(const ScreenRect& rect) {
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    ClipCursor(&r);
}

void Win32MousePlatform::freeCursor() {
    ClipCursor(nullptr);
}

std::int32_t Win32MousePlatform::systemMetric(std::int32_t index) {
    return GetSystemMetrics(index);
}

void Win32MousePlatform::swapMouseButton(bool swap) {
    SwapMouseButton(swap ? TRUE : FALSE);
}

std::uint32_t Win32MousePlatform::doubleClickTime() {
    return GetDoubleClickTime();
}

void Win32MousePlatform::setDoubleClickTime(std::uint32_t milliseconds) {
    SetDoubleClickTime(milliseconds);
}

// The display drivers' mouse-trails escape is gone from current Windows; the system parameter
// does the same. Without SPIF_UPDATEINIFILE it lasts for this session only.
void Win32MousePlatform::setMouseTrails(std::int32_t count) {
    SystemParametersInfoW(SPI_SETMOUSETRAILS, static_cast<UINT>(count), nullptr, 0);
}

float Win32MousePlatform::twipsPerPixelX() {
    return twipsPerPixel(LOGPIXELSX);
}

float Win32MousePlatform::twipsPerPixelY() {
    return twipsPerPixel(LOGPIXELSY);
}

float Win32MousePlatform::screenWidthTwips() {
    return static_cast<float>(GetSystemMetrics(SM_CXSCREEN)) * twipsPerPixelX();
}

float Win32MousePlatform::screenHeightTwips() {
    return static_cast<float>(GetSystemMetrics(SM_CYSCREEN)) * twipsPerPixelY();
}

void Win32MousePlatform::reseedRandomFromClock() {
    // Two curves drawn within one clock tick still get different seeds.
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32), ++reseeds_};
    random_.seed(seed);
}

float Win32MousePlatform::nextRandom() {
    // 24 random bits: every value is exact in a float and stays below 1.
    return static_cast<float>(random_() >> 8) * (1.0f / 16777216.0f);
}

void Win32MousePlatform::letPendingEventsRun() {
    win::letPendingEventsRun();
}

} // namespace wp::mouse
