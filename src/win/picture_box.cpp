#include "win/picture_box.h"

#include "win/handle.h"

namespace wp::win {

bool PictureBox::create(HWND parent, int id, COLORREF background) {
    background_ = background;
    CreateArgs args;
    args.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    args.x = args.y = args.width = args.height = 0;
    args.parent = parent;
    args.menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    return Window::create(ClassInfo{L"WanderpointPicture", 0, nullptr}, args);
}

LRESULT PictureBox::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PRINTCLIENT: { // children that show a picture over this one ask for what lies beneath
        RECT client{};
        GetClientRect(hwnd(), &client);
        const HDC dc = reinterpret_cast<HDC>(wParam);
        if (painter_) {
            painter_(dc, client);
        } else {
            Brush brush(CreateSolidBrush(background_));
            FillRect(dc, &client, brush.get());
        }
        return 0;
    }
    case WM_PAINT: {
        PaintScope paint(hwnd());
        RECT client{};
        GetClientRect(hwnd(), &client);
        if (painter_) {
            painter_(paint.dc(), client);
        } else {
            Brush brush(CreateSolidBrush(background_));
            FillRect(paint.dc(), &client, brush.get());
        }
        return 0;
    }
    default:
        return defaultProc(message, wParam, lParam);
    }
}

} // namespace wp::win
