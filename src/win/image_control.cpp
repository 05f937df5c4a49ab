#include "win/image_control.h"

#include <windowsx.h>

#include "win/common_controls.h"
#include "win/controls.h"
#include "win/text.h"

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
    window.menu = idAsMenu(args.id);
    if (!Window::create(ClassInfo{L"WanderpointImage", 0, nullptr}, window)) return false;
    loadIcon();
    return true;
}

HWND ImageControl::toolTip() {
    if (tip_ || !hwnd()) return tip_.get();
    initCommonControls(ICC_WIN95_CLASSES);
    // Not owned by the window: this control destroys it with itself, whatever goes first.
    tip_.reset(createToolTips(nullptr));
    addToolTip(tip_.get(), hwnd(), windowText(hwnd()).c_str()); // the tip is the control's text
    return tip_.get();
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

namespace {

// Lets another window draw its client area over what dc already shows, where that window lies
// relative to the target. It draws into a copy of its own size: windows draw their own client
// coordinates, and some ignore a shifted origin.
void printInto(HDC dc, HWND target, HWND source) {
    RECT sourceClient{}, targetClient{};
    GetClientRect(source, &sourceClient);
    GetClientRect(target, &targetClient);
    POINT origin{0, 0};
    MapWindowPoints(source, target, &origin, 1);
    const MemoryDC copy(CreateCompatibleDC(dc));
    const Bitmap bitmap(CreateCompatibleBitmap(dc, sourceClient.right, sourceClient.bottom));
    if (!copy || !bitmap) return;
    const SelectedObject selected(copy.get(), bitmap.get());
    BitBlt(copy.get(), -origin.x, -origin.y, targetClient.right, targetClient.bottom, dc, 0, 0, SRCCOPY);
    SendMessageW(source, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(copy.get()), PRF_CLIENT);
    BitBlt(dc, origin.x, origin.y, sourceClient.right, sourceClient.bottom, copy.get(), 0, 0, SRCCOPY);
}

} // namespace

void ImageControl::paintBeneath(HDC dc, const RECT& client) {
    const HWND parent = GetParent(hwnd());
    auto brush = reinterpret_cast<HBRUSH>(GetClassLongPtrW(parent, GCLP_HBRBACKGROUND));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    // What the parent paints (the side bar's gradient), then the siblings this picture overlaps
    // (the border of the frame it stands in), lowest first: the picture's clear parts show them.
    printInto(dc, hwnd(), parent);
    RECT mine{};
    GetWindowRect(hwnd(), &mine);
    for (HWND sibling = GetWindow(hwnd(), GW_HWNDLAST); sibling; sibling = GetWindow(sibling, GW_HWNDPREV)) {
        RECT theirs{}, common{};
        GetWindowRect(sibling, &theirs);
        if (sibling != hwnd() && IsWindowVisible(sibling) && IntersectRect(&common, &mine, &theirs))
            printInto(dc, hwnd(), sibling);
    }
}

void ImageControl::paint(HDC dc) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    paintBeneath(dc, client);
    if (icon_) DrawIconEx(dc, 0, 0, icon_.get(), client.right, client.bottom, 0, nullptr, DI_NORMAL);
    const LRESULT uiState = SendMessageW(hwnd(), WM_QUERYUISTATE, 0, 0);
    if (focused_ && !(uiState & UISF_HIDEFOCUS)) DrawFocusRect(dc, &client);
}

// A press dragged off the picture before release is no click, as with a button.
void ImageControl::released(POINT at) {
    const bool wasPressed = pressed_;
    ReleaseCapture();
    RECT client{};
    GetClientRect(hwnd(), &client);
    if (wasPressed && PtInRect(&client, at) && onClick_) onClick_();
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
    case WM_MOUSEMOVE:
        if (!tip_) {
            // From now on the tool tip sees the pointer by itself; this first move it is handed.
            MSG move{hwnd(), message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
            GetCursorPos(&move.pt);
            SendMessageW(toolTip(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
        }
        break;
    case WM_LBUTTONDOWN:
        pressed_ = true;
        SetCapture(hwnd());
        return 0;
    case WM_LBUTTONUP:
        released({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
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
