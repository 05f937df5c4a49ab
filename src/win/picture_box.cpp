#include "win/picture_box.h"

#include <algorithm>

namespace wp::win {

bool PictureBox::create(HWND parent, int id, COLORREF background) {
    background_ = background;
    CreateArgs args;
    args.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    args.x = args.y = args.width = args.height = 0;
    args.parent = parent;
    args.menu = idAsMenu(id);
    return Window::create(ClassInfo{L"WanderpointPicture", 0, nullptr}, args);
}

void PictureBox::setForeColor(COLORREF colour) {
    foreColor_ = colour;
    if (picture_) SetTextColor(picture_.get(), colour);
}

void PictureBox::setBackColor(COLORREF colour) {
    background_ = colour;
    if (exists()) InvalidateRect(hwnd(), nullptr, FALSE);
}

HDC PictureBox::hDC() {
    if (!exists()) return nullptr;
    if (!picture_) fitPicture();
    return picture_.get();
}

SIZE PictureBox::scaleSize() const {
    RECT client{};
    if (exists()) GetClientRect(hwnd(), &client);
    return {client.right, client.bottom};
}

void PictureBox::refresh() {
    if (exists()) RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Gives the picture the client's size: what was drawn keeps its place, new room shows the background.
void PictureBox::fitPicture() {
    const SIZE size = scaleSize();
    const int width = std::max<LONG>(size.cx, 1);
    const int height = std::max<LONG>(size.cy, 1);
    WindowDC screen(hwnd());
    Bitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    if (!bitmap) return;
    {
        MemoryDC fresh(CreateCompatibleDC(screen.get()));
        if (!fresh) return;
        SelectedObject selected(fresh.get(), bitmap.get());
        RECT all{0, 0, width, height};
        Brush brush(CreateSolidBrush(background_));
        FillRect(fresh.get(), &all, brush.get());
        if (picture_) BitBlt(fresh.get(), 0, 0, width, height, picture_.get(), 0, 0, SRCCOPY);
    }
    if (!picture_) {
        picture_.reset(CreateCompatibleDC(screen.get()));
        if (!picture_) return;
        SetTextColor(picture_.get(), foreColor_);
        SetBkMode(picture_.get(), TRANSPARENT);
    }
    pictureSelection_.reset();
    pictureSelection_.emplace(picture_.get(), bitmap.get());
    pictureBitmap_ = std::move(bitmap);
}

void PictureBox::paintOn(HDC dc, const RECT& area) {
    if (picture_) {
        BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, picture_.get(), area.left,
               area.top, SRCCOPY);
        return;
    }
    RECT client{};
    GetClientRect(hwnd(), &client);
    if (painter_) {
        painter_(dc, client);
    } else {
        Brush brush(CreateSolidBrush(background_));
        FillRect(dc, &client, brush.get());
    }
}

LRESULT PictureBox::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        if (picture_) fitPicture();
        return 0;
    case WM_PRINTCLIENT: { // children that show a picture over this one ask for what lies beneath
        RECT client{};
        GetClientRect(hwnd(), &client);
        paintOn(reinterpret_cast<HDC>(wParam), client);
        return 0;
    }
    case WM_PAINT: {
        PaintScope paint(hwnd());
        paintOn(paint.dc(), paint.area());
        return 0;
    }
    // A container: its controls report to the window it sits on.
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (const HWND parent = GetParent(hwnd())) return SendMessageW(parent, message, wParam, lParam);
        return defaultProc(message, wParam, lParam);
    default:
        return defaultProc(message, wParam, lParam);
    }
}

} // namespace wp::win
