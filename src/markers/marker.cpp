#include "markers/marker.h"

#include "core/marker_geometry.h"
#include "core/numbers.h"
#include "markers/circle_region.h"
#include "markers/stay_on_top.h"
#include "win/dpi.h"
#include "win/text.h"

namespace wp::markers {
namespace {

void resize(HWND hwnd, int width, int height) {
    SetWindowPos(hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT windowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

} // namespace

Marker::Marker(MarkerDesign design) : design_(design) {}

Marker::~Marker() { destroy(); }

void Marker::show() {
    if (!exists() && !load()) return;
    ShowWindow(hwnd(), SW_SHOWNA);
}

void Marker::hide() {
    if (exists()) ShowWindow(hwnd(), SW_HIDE);
}

void Marker::close() { destroy(); }

bool Marker::visible() const { return exists() && IsWindowVisible(hwnd()); }

bool Marker::move(double leftTwips, double topTwips) {
    const auto left = twipsToPixels(leftTwips);
    const auto top = twipsToPixels(topTwips);
    if (!left || !top) return false;
    moveTo({left.value, top.value});
    return true;
}

void Marker::moveTo(POINT topLeft) {
    if (!exists() && !load()) return;
    SetWindowPos(hwnd(), nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::int32_t Marker::widthTwips() {
    if (!exists() && !load()) return markerSidePixels(USER_DEFAULT_SCREEN_DPI) * twipsPerPixel;
    const RECT r = windowRect(hwnd());
    return (r.right - r.left) * twipsPerPixel;
}

bool Marker::load() {
    if (!background_) background_.reset(CreateSolidBrush(design_.colour));
    CreateArgs args;
    args.exStyle = WS_EX_TOOLWINDOW; // no task bar entry
    args.title = title;
    args.style = WS_POPUP;
    if (design_.place) {
        args.x = design_.place->x;
        args.y = design_.place->y;
    }
    args.width = args.height = 0;
    if (!create(ClassInfo{L"WanderpointMarker", 0, nullptr}, args)) return false;
    Form_Load();
    return exists();
}

void Marker::Form_Load() {
    SetTopMost(hwnd());
    if (!exists()) return; // closed by an event that ran meanwhile
    side_ = markerSidePixels(win::dpiOf(hwnd()).value);
    applyShape();
    const int sideTwips = side_ * twipsPerPixel;
    const auto pixels = twipsToPixels(sideTwips).value;
    const RECT r = windowRect(hwnd());
    resize(hwnd(), r.right - r.left, pixels); // the height, then the width
    resize(hwnd(), pixels, pixels);
}

void Marker::applyShape() {
    win::Region region = MakeCircleRegion(side_ - 1);
    // Once applied, the region belongs to the window.
    if (SetWindowRgn(hwnd(), region.get(), TRUE)) (void)region.release();
}

void Marker::Form_MouseDown() {
    const HWND previous = GetForegroundWindow();
    ReleaseCapture();
    // The platform takes this for a press on a title bar and runs its move loop until the release.
    SendMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    if (!exists()) return;
    if (previous && previous != hwnd() && IsWindowVisible(previous)) SetForegroundWindow(previous);
    const RECT r = windowRect(hwnd());
    const std::int32_t width = (r.right - r.left) * twipsPerPixel;
    const char separator = win::userDecimalSeparator();
    const std::wstring x = win::toWide(shortestDecimalText(markerCentre(r.left, width), separator));
    const std::wstring y = win::toWide(shortestDecimalText(markerCentre(r.top, width), separator));
    if (target_) target_->setX(x);
    if (target_) target_->setY(y);
}

LRESULT Marker::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return eraseWith(background_.get(), wParam);
    case WM_MOUSEACTIVATE:
        // The move loop activates the marker for its run; the drag then gives the activation back.
        return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        Form_MouseDown();
        return 0;
    case WM_XBUTTONDOWN:
        Form_MouseDown();
        return TRUE;
    case WM_DPICHANGED: {
        // On a monitor of another scaling the disc takes that monitor's size around the same centre.
        const int side = markerSidePixels(HIWORD(wParam));
        if (side == side_) return 0;
        const RECT r = windowRect(hwnd());
        const POINT centre{r.left + side_ / 2, r.top + side_ / 2};
        side_ = side;
        applyShape();
        SetWindowPos(hwnd(), nullptr, centre.x - side_ / 2, centre.y - side_ / 2, side_, side_,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    default:
        return defaultProc(message, wParam, lParam);
    }
}

} // namespace wp::markers
