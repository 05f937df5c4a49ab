#include "mouse/mtyMouse.h"

#include "res/resource.h"
#include "win/handle.h"

namespace wp::mouse {
namespace {

// The face in twips, from the control's top left corner: the frame starts above the top edge,
// so its top line stays hidden.
constexpr RECT frameTwips{0, -60, 345, -60 + 615};
constexpr RECT pictureTwips{30, -60 + 120, 30 + 270, -60 + 120 + 450};

const BITMAPINFO* loadPicture() {
    const HINSTANCE module = win::appInstance();
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(IDB_MTYMOUSE), RT_BITMAP);
    if (!found) return nullptr;
    const HGLOBAL loaded = LoadResource(module, found);
    const auto* info = loaded ? static_cast<const BITMAPINFO*>(LockResource(loaded)) : nullptr;
    if (!info || SizeofResource(module, found) < sizeof(BITMAPINFOHEADER)) return nullptr;
    return info;
}

const void* pixelsOf(const BITMAPINFO& info) {
    const BITMAPINFOHEADER& header = info.bmiHeader;
    const DWORD colours = header.biClrUsed ? header.biClrUsed : header.biBitCount <= 8 ? 1u << header.biBitCount : 0u;
    return reinterpret_cast<const BYTE*>(&info) + header.biSize + colours * sizeof(RGBQUAD);
}

} // namespace

MtyMouse::~MtyMouse() {
    destroy();
}

bool MtyMouse::create(HWND parent, int id, win::Dpi dpi, int left96, int top96) {
    dpi_ = dpi;
    picture_ = loadPicture();
    CreateArgs args;
    args.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    args.x = dpi.scale(left96);
    args.y = dpi.scale(top96);
    args.width = twipsToPixels(widthTwips);
    args.height = twipsToPixels(heightTwips);
    args.parent = parent;
    args.menu = win::idAsMenu(id);
    return Window::create(ClassInfo{L"WanderpointMouse"}, args);
}

LRESULT MtyMouse::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_WINDOWPOSCHANGING: {
        // The size is the control's own, whatever the host asks.
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(pos->flags & SWP_NOSIZE)) {
            pos->cx = twipsToPixels(widthTwips);
            pos->cy = twipsToPixels(heightTwips);
        }
        return defaultProc(message, wParam, lParam);
    }
    case WM_DPICHANGED_AFTERPARENT:
        dpi_ = win::dpiOf(hwnd());
        SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(hwnd(), nullptr, TRUE);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        const win::PaintScope paintScope(hwnd());
        paint(paintScope.dc());
        return 0;
    }
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    default:
        return defaultProc(message, wParam, lParam);
    }
}

void MtyMouse::paint(HDC dc) const {
    RECT client{};
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    RECT frame{twipsToPixels(frameTwips.left), twipsToPixels(frameTwips.top), twipsToPixels(frameTwips.right),
               twipsToPixels(frameTwips.bottom)};
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (!picture_) return;
    const BITMAPINFOHEADER& header = picture_->bmiHeader;
    const int left = twipsToPixels(pictureTwips.left);
    const int top = twipsToPixels(pictureTwips.top);
    StretchDIBits(dc, left, top, twipsToPixels(pictureTwips.right) - left, twipsToPixels(pictureTwips.bottom) - top, 0,
                  0, header.biWidth, header.biHeight, pixelsOf(*picture_), picture_, DIB_RGB_COLORS, SRCCOPY);
}

} // namespace wp::mouse
