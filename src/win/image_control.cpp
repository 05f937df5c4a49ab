#include "win/image_control.h"

#include <commctrl.h>
#include <windowsx.h>

namespace wp::win {

bool ImageControl::create(const Args& args, Dpi dpi) {
    iconId_ = args.iconId;
    cursor_ = args.cursor ? args.cursor : LoadCursorW(nullptr, IDC_ARROW);
    onClick_ = args.onClick;
    CreateArgs window;
    window.title = args.toolTip;
    window.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    window.x = dpi.scale(args.rect.left);
    window.y = dpi.scale(args.rect.top);
    window.width = dpi.scale(args.rect.width);
    window.height = dpi.scale(args.rect.height);
    window.parent = args.parent;
    window.menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id));
    if (!Window::create(ClassInfo{L"WanderpointImage", 0, nullptr}, window)) return false;
    loadIcon();

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // Not owned by the window: this control destroys it with itself, whatever goes first.
    tip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                               appInstance(), nullptr));
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd());
    tool.lpszText = const_cast<wchar_t*>(args.toolTip);
    SendMessageW(tip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return true;
}

void ImageControl::place(DesignRect rect, Dpi dpi) {
    SetWindowPos(hwnd(), nullptr, dpi.scale(rect.left), dpi.scale(rect.top), dpi.scale(rect.width),
                 dpi.scale(rect.height), SWP_NOZORDER | SWP_NOACTIVATE);
    loadIcon();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void ImageControl::loadIcon() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    icon_.reset(static_cast<HICON>(LoadImageW(appInstance(), MAKEINTRESOURCEW(iconId_), IMAGE_ICON, client.right,
                                              client.bottom, LR_DEFAULTCOLOR)));
}

void ImageControl::paintParentBackground(HDC dc, const RECT& client) {
    const HWND parent = GetParent(hwnd());
    auto brush = reinterpret_cast<HBRUSH>(GetClassLongPtrW(parent, GCLP_HBRBACKGROUND));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    // A parent that paints a picture of its own draws it under ours.
    POINT origin{0, 0};
    MapWindowPoints(hwnd(), parent, &origin, 1);
    POINT previous{};
    SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

void ImageControl::paint(HDC dc) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    paintParentBackground(dc, client);
    if (icon_) DrawIconEx(dc, 0, 0, icon_.get(), client.right, client.bottom, 0, nullptr, DI_NORMAL);
    const LRESULT uiState = SendMessageW(hwnd(), WM_QUERYUISTATE, 0, 0);
    if (focused_ && !(uiState & UISF_HIDEFOCUS)) DrawFocusRect(dc, &client);
}

LRESULT ImageControl::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PaintScope scope(hwnd());
        paint(scope.dc());
        return 0;
    }
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            SetCursor(cursor_);
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
        pressed_ = true;
        SetCapture(hwnd());
        return 0;
    case WM_LBUTTONUP: {
        const bool wasPressed = pressed_;
        ReleaseCapture();
        RECT client{};
        GetClientRect(hwnd(), &client);
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        // A press dragged off the picture before release is no click, as with a button.
        if (wasPressed && PtInRect(&client, at) && onClick_) onClick_();
        return 0;
    }
    case WM_CAPTURECHANGED:
        pressed_ = false;
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && onClick_) onClick_();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        focused_ = message == WM_SETFOCUS;
        InvalidateRect(hwnd(), nullptr, FALSE);
        return 0;
    case WM_UPDATEUISTATE:
        InvalidateRect(hwnd(), nullptr, FALSE);
        break;
    case WM_DESTROY:
        tip_.reset();
        return 0;
    default:
        break;
    }
    return defaultProc(message, wParam, lParam);
}

} // namespace wp::win
