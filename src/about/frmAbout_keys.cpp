// The about window from the keyboard: Tab reaches the two links, Enter or Space opens the one with
// the focus, Esc (and Enter elsewhere) closes the window.
#include "about/frmAbout.h"

#include "about/frmAbout_ids.h"
#include "win/common_controls.h"

namespace wp::about {
namespace ids = about_ids;

namespace {

constexpr UINT_PTR linkSubclassId = 1;

// The label is transparent: the window must repaint what lies under it for the mark to go.
void repaintUnder(HWND link) {
    const HWND parent = GetParent(link);
    RECT r{};
    GetWindowRect(link, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    RedrawWindow(parent, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// A static control shows no focus of its own: a dotted frame in the link's colour shows it. Drawn
// with a pen, not XOR, so that painting the label again never takes it away.
LRESULT CALLBACK linkProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = win::defSubclassProc(link, message, wParam, lParam);
        repaintUnder(link);
        return result;
    }
    case WM_PAINT: {
        const LRESULT result = win::defSubclassProc(link, message, wParam, lParam);
        if (GetFocus() == link) {
            RECT r{};
            GetClientRect(link, &r);
            win::WindowDC dc(link);
            win::Pen dots(CreatePen(PS_DOT, 1, RGB(255, 255, 255)));
            win::SelectedObject pen(dc.get(), dots.get());
            win::SelectedObject brush(dc.get(), GetStockObject(NULL_BRUSH));
            SetBkMode(dc.get(), TRANSPARENT);
            Rectangle(dc.get(), r.left, r.top, r.right, r.bottom);
        }
        return result;
    }
    case WM_NCDESTROY:
        win::removeWindowSubclass(link, &linkProc, linkSubclassId);
        break;
    default:
        break;
    }
    return win::defSubclassProc(link, message, wParam, lParam);
}

} // namespace

void FrmAbout::makeLinksKeyboardReachable() {
    for (const int id : {ids::lblWeb, ids::lblEmail}) {
        const HWND link = control(id);
        SetWindowLongPtrW(link, GWL_STYLE, GetWindowLongPtrW(link, GWL_STYLE) | WS_TABSTOP);
        win::setWindowSubclass(link, &linkProc, linkSubclassId, 0);
    }
}

bool FrmAbout::preTranslateMessage(MSG& msg) {
    // A held key repeats its WM_KEYDOWN: one press opens one page.
    if (msg.message == WM_KEYDOWN && !(HIWORD(msg.lParam) & KF_REPEAT)) {
        const HWND focus = GetFocus();
        const int link = focus == control(ids::lblWeb) ? ids::lblWeb : focus == control(ids::lblEmail) ? ids::lblEmail : 0;
        const bool open = link && (msg.wParam == VK_RETURN || msg.wParam == VK_SPACE);
        if (open) {
            if (link == ids::lblWeb) lblWeb_Click();
            else lblEmail_Click();
            return true;
        }
        if (msg.wParam == VK_ESCAPE || msg.wParam == VK_RETURN) {
            SendMessageW(hwnd(), WM_CLOSE, 0, 0);
            return true;
        }
    }
    return Window::preTranslateMessage(msg);
}

} // namespace wp::about
