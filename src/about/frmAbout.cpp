#include "about/frmAbout.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <string>

#include "about/frmAbout_ids.h"
#include "core/version_text.h"
#include "res/resource.h"
#include "win/controls.h"
#include "win/text.h"

namespace wp::about {
namespace ids = about_ids;
using win::DesignRect;

namespace {

MouseButton buttonOf(UINT message) {
    switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return RightButton;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return MiddleButton;
    default:
        return LeftButton;
    }
}

constexpr int clientWidth96 = 312;
constexpr int clientHeight96 = 213;
constexpr COLORREF backColour = RGB(192, 255, 255);
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF white = RGB(255, 255, 255);
constexpr DWORD frameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
constexpr DWORD frameExStyle = WS_EX_TOOLWINDOW;

constexpr DesignRect picContRect{104, 48, 217, 121};
constexpr DesignRect logoRect{16, 8, 49, 76};
constexpr DesignRect shape1Rect{0, 192, 313, 25};
constexpr POINT line1From{144, 192};
constexpr POINT line1To{144, 216};
constexpr int line1Width = 2;

constexpr wchar_t disclaimer[] = L"Use this product at your own risk. Do not blame me if anything goes wrong. If you "
                                 L"don't agree with this, then stop using this product.";

struct LabelDesign {
    int id;
    DWORD style;
    DesignRect rect; // lblComments: in picCont's client area
};

constexpr DWORD label = SS_NOPREFIX;
const LabelDesign labels[] = {
    {ids::lblTit, label | SS_CENTER, {96, 0, 217, 33}},
    {ids::lblVersion, label | SS_CENTER, {104, 32, 209, 16}},
    {ids::lblComments, label | SS_CENTER, {8, 0, 198, 104}},
    {ids::lblDisc, label | SS_LEFT | SS_NOTIFY, {8, 104, 89, 89}},
    {ids::lblCopyright, label | SS_CENTER, {96, 176, 216, 13}},
    {ids::lblWeb, label | SS_LEFT | SS_NOTIFY, {0, 195, 141, 16}},
    {ids::lblEmail, label | SS_CENTER | SS_NOTIFY, {144, 195, 165, 16}},
};

// The modifier keys as the mouse handlers take them.
std::int32_t shiftOf(WPARAM keys) {
    std::int32_t shift = 0;
    if (keys & MK_SHIFT) shift |= ShiftKey;
    if (keys & MK_CONTROL) shift |= CtrlKey;
    if (GetKeyState(VK_MENU) < 0) shift |= AltKey;
    return shift;
}

SIZE textExtent(HWND control, HFONT font, const std::wstring& text, UINT format, int width) {
    win::WindowDC dc(control);
    win::SelectedObject selected(dc.get(), font);
    RECT r{0, 0, width, 0};
    DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT | DT_NOPREFIX);
    return {r.right - r.left, r.bottom - r.top};
}

RECT rectOf(HWND window, HWND parent) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

} // namespace

FrmAbout::FrmAbout(AboutDeps deps) : deps_(std::move(deps)) {}

FrmAbout::~FrmAbout() {
    enableOtherWindows();
    destroy();
}

HWND FrmAbout::control(int id) const {
    return id == ids::lblComments ? GetDlgItem(picCont.hwnd(), id) : GetDlgItem(hwnd(), id);
}

bool FrmAbout::load(HWND owner) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    dpi_ = win::dpiOf(owner);
    RECT frame{0, 0, dpi_.scale(clientWidth96), dpi_.scale(clientHeight96)};
    AdjustWindowRectExForDpi(&frame, frameStyle, FALSE, frameExStyle, dpi_.value);
    background_.reset(CreateSolidBrush(backColour));
    CreateArgs args;
    args.exStyle = frameExStyle;
    args.title = caption;
    args.style = frameStyle;
    args.width = frame.right - frame.left;
    args.height = frame.bottom - frame.top;
    args.parent = owner;
    ClassInfo windowClass{L"WanderpointAbout"};
    windowClass.background = nullptr;
    if (!create(windowClass, args)) return false;

    createControls();
    Form_Load();
    fitTexts();
    placeCentred(owner);
    return true;
}

// Centred on the owner at the size the texts asked for, and kept on the screen, so that its close
// box can be reached.
void FrmAbout::placeCentred(HWND owner) {
    RECT frame{0, 0, dpi_.scale(clientWidth96) + grown_.cx, dpi_.scale(clientHeight96) + grown_.cy};
    AdjustWindowRectExForDpi(&frame, frameStyle, FALSE, frameExStyle, dpi_.value);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    MONITORINFO monitor{sizeof monitor};
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    RECT centre = work;
    if (owner) GetWindowRect(owner, &centre);
    int x = centre.left + (centre.right - centre.left - width) / 2;
    int y = centre.top + (centre.bottom - centre.top - height) / 2;
    x = std::max<int>(work.left, std::min<int>(x, work.right - width));
    y = std::max<int>(work.top, std::min<int>(y, work.bottom - height));
    SetWindowPos(hwnd(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The disclaimer grows downwards and pushes the band with the links down; the links grow sideways,
// the mail link and the line between them moving right. The window grows with them, and a title
// that spans the window spans it as it grew.
void FrmAbout::fitTexts() {
    const SIZE disclaimer = win::growToText(control(ids::lblDisc), win::Grow::Taller);
    const SIZE web = win::growToText(control(ids::lblWeb), win::Grow::Wider);
    SIZE mail = win::growToText(control(ids::lblEmail), win::Grow::Wider);
    if (mail.cx > 0) {
        // The centred mail text fills a grown label to its left edge, where the line is: keep it clear.
        const int clear = 2 * dpi_.scale(line1Width);
        const RECT r = rectOf(control(ids::lblEmail), hwnd());
        SetWindowPos(control(ids::lblEmail), nullptr, 0, 0, r.right - r.left + 2 * clear, r.bottom - r.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        mail.cx += 2 * clear;
    }
    grown_ = {web.cx + mail.cx, disclaimer.cy};
    lineShift_ = web.cx;
    win::shiftControl(control(ids::lblWeb), 0, grown_.cy);
    win::shiftControl(control(ids::lblEmail), lineShift_, grown_.cy);
    const RECT title = rectOf(control(ids::lblTit), hwnd());
    if (title.left == 0 && grown_.cx > 0)
        SetWindowPos(control(ids::lblTit), nullptr, 0, 0, title.right - title.left + grown_.cx,
                     title.bottom - title.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FrmAbout::createControls() {
    titleFont_ = win::createFont({L"Arial Black", 1800, false, true}, dpi_);
    arialFont_ = win::createFont({L"Arial", 975}, dpi_);
    commentsFont_ = win::createFont({L"MS Sans Serif", 975}, dpi_);
    disclaimerFont_ = win::createFont({L"Arial", 675}, dpi_);
    copyrightFont_ = win::createFont({L"MS Sans Serif", 825, true}, dpi_);

    picCont.create(hwnd(), ids::picCont, backColour);
    win::placeControl(picCont.hwnd(), picContRect, dpi_);
    for (const LabelDesign& design : labels) {
        const HWND parent = design.id == ids::lblComments ? picCont.hwnd() : hwnd();
        const HWND child = win::createControl(parent, {L"STATIC", L"", design.style, 0, design.rect, design.id}, dpi_);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(design.id)), FALSE);
    }
    SetWindowTextW(control(ids::lblDisc), disclaimer);

    logo_ = {dpi_.scale(logoRect.left), dpi_.scale(logoRect.top), dpi_.scale(logoRect.left + logoRect.width),
             dpi_.scale(logoRect.top + logoRect.height)};
    logoPicture_.reset(static_cast<HBITMAP>(
        LoadImageW(win::appInstance(), MAKEINTRESOURCEW(IDB_ABOUT_LOGO), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    hand_ = static_cast<HCURSOR>(
        LoadImageW(win::appInstance(), MAKEINTRESOURCEW(IDC_POINTING_HAND), IMAGE_CURSOR, 0, 0, LR_SHARED));

    // Owned by this window, so it goes with it.
    toolTips_ =
        CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr, win::appInstance(), nullptr);
    addToolTip(ids::lblDisc, L"Disclaimer");
    addToolTip(ids::lblWeb, L"Web site");
    addToolTip(ids::lblEmail, L"E-mail");
    makeLinksKeyboardReachable();

    tmrScroll.attach(hwnd());
    Timer1.attach(hwnd());
}

void FrmAbout::addToolTip(int id, const wchar_t* text) {
    if (!toolTips_) return;
    TOOLINFOW tool{sizeof tool};
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(control(id));
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

HFONT FrmAbout::fontOf(int id) const {
    switch (id) {
    case ids::lblTit:
        return titleFont_.get();
    case ids::lblComments:
        return commentsFont_.get();
    case ids::lblDisc:
        return disclaimerFont_.get();
    case ids::lblCopyright:
        return copyrightFont_.get();
    default:
        return arialFont_.get();
    }
}

COLORREF FrmAbout::textColourOf(HWND child) const {
    switch (GetDlgCtrlID(child)) {
    case ids::lblTit:
    case ids::lblDisc:
        return red;
    case ids::lblVersion:
        return versionColour_;
    case ids::lblCopyright:
        return copyrightColour_;
    case ids::lblWeb:
    case ids::lblEmail:
        return white;
    default:
        return GetSysColor(COLOR_BTNTEXT);
    }
}

void FrmAbout::Form_Load() {
    const app::AppInfo& info = deps_.info;
    const HWND title = control(ids::lblTit);
    const std::wstring titleText = win::toWide(info.Title);
    SetWindowTextW(title, titleText.c_str());
    const SIZE fitted = textExtent(title, titleFont_.get(), titleText, DT_SINGLELINE, 0);
    const RECT designed = rectOf(title, hwnd());
    SetWindowPos(title, nullptr, designed.left, designed.top, fitted.cx, fitted.cy, SWP_NOZORDER | SWP_NOACTIVATE);

    const RECT comments = rectOf(control(ids::lblComments), picCont.hwnd());
    if (fitted.cx > comments.right - comments.left) {
        RECT outer{};
        GetWindowRect(hwnd(), &outer);
        SetWindowPos(title, nullptr, 0, designed.top, outer.right - outer.left, fitted.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    SetWindowTextW(control(ids::lblVersion), win::toWide(versionText(info.Major, info.Minor, info.Revision)).c_str());
    SetWindowTextW(control(ids::lblComments), win::toWide(info.Comments).c_str());
    SetWindowTextW(control(ids::lblCopyright), win::toWide(info.LegalCopyright).c_str());
    SetWindowTextW(control(ids::lblEmail), win::toWide(EMailAddress).c_str());
    SetWindowTextW(control(ids::lblWeb), win::toWide(WebSiteAddress).c_str());
    versionColour_ = RGB(0, 0, 255);
    copyrightColour_ = RGB(80, 80, 255);
    picCont.setBackColor(backColour);
}

void FrmAbout::show() {
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    UpdateWindow(hwnd());
    tmrScroll.setInterval(50);
    tmrScroll.setEnabled(true);
    Timer1.setInterval(logoRestPeriod);
    Timer1.setEnabled(true);
}

void FrmAbout::tmrScroll_Timer() {
    const HWND comments = control(ids::lblComments);
    const RECT now = rectOf(comments, picCont.hwnd());
    const std::wstring text = win::windowText(comments);
    const int width = now.right - now.left;
    const int height = textExtent(comments, commentsFont_.get(), text, DT_WORDBREAK | DT_CENTER, width).cy;
    SetWindowPos(comments, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    RECT container{};
    GetWindowRect(picCont.hwnd(), &container);
    if (!scroll_.tick(height, container.bottom - container.top)) {
        tmrScroll.setEnabled(false);
        return;
    }
    if (scroll_.drawnTop() == now.top) return;
    SetWindowPos(comments, nullptr, now.left, scroll_.drawnTop(), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The label is transparent: what it left behind must be painted over.
    RedrawWindow(picCont.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void FrmAbout::Timer1_Timer() {
    Timer1.setInterval(logoFollowPeriod);
    if (!bMoveLogo) {
        moveLogo({dpi_.scale(logoRect.left), dpi_.scale(logoRect.top)});
        return;
    }
    POINT pointer{};
    GetCursorPos(&pointer);
    RECT outer{};
    GetWindowRect(hwnd(), &outer);
    const PixelPoint place = logoFollowPlace({pointer.x, pointer.y}, {outer.left, outer.top}, logo_.right - logo_.left,
                                             logo_.bottom - logo_.top);
    moveLogo({place.x, place.y});
}

void FrmAbout::imgLogo_MouseDown(std::int32_t button, std::int32_t shift, std::int32_t, std::int32_t) {
    if (picksUpLogo(button, shift)) bMoveLogo = true;
}

void FrmAbout::imgLogo_MouseUp(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
    bMoveLogo = false;
    Timer1.setInterval(logoRestPeriod);
}

void FrmAbout::OpenWebSite() {
    deps_.shell.shellExecute(nullptr, "Open", WebSiteAddress, "", "", SW_SHOWNORMAL);
}

void FrmAbout::SendEMail() {
    const std::string mail = std::string("mailto:") + EMailAddress;
    deps_.shell.shellExecute(nullptr, "Open", mail.c_str(), "", "", SW_SHOWNORMAL);
}

void FrmAbout::moveLogo(POINT topLeft) {
    if (topLeft.x == logo_.left && topLeft.y == logo_.top) return;
    const RECT old = logo_;
    OffsetRect(&logo_, topLeft.x - logo_.left, topLeft.y - logo_.top);
    constexpr UINT redraw = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN;
    RedrawWindow(hwnd(), &old, nullptr, redraw);
    RedrawWindow(hwnd(), &logo_, nullptr, redraw | RDW_UPDATENOW);
}

void FrmAbout::paint(HDC dc) const {
    const RECT band{dpi_.scale(shape1Rect.left), dpi_.scale(shape1Rect.top) + grown_.cy,
                    dpi_.scale(shape1Rect.left + shape1Rect.width) + grown_.cx,
                    dpi_.scale(shape1Rect.top + shape1Rect.height) + grown_.cy};
    win::Brush blue(CreateSolidBrush(RGB(0, 0, 255)));
    FillRect(dc, &band, blue.get());
    {
        win::Pen pen(CreatePen(PS_SOLID, dpi_.scale(line1Width), RGB(128, 255, 255)));
        win::SelectedObject selected(dc, pen.get());
        MoveToEx(dc, dpi_.scale(line1From.x) + lineShift_, dpi_.scale(line1From.y) + grown_.cy, nullptr);
        LineTo(dc, dpi_.scale(line1To.x) + lineShift_, dpi_.scale(line1To.y) + grown_.cy);
    }
    if (logoPicture_) {
        win::MemoryDC source(CreateCompatibleDC(dc));
        win::SelectedObject selected(source.get(), logoPicture_.get());
        BITMAP size{};
        GetObjectW(logoPicture_.get(), sizeof size, &size);
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, logo_.left, logo_.top, logo_.right - logo_.left, logo_.bottom - logo_.top, source.get(), 0, 0,
                   size.bmWidth, size.bmHeight, SRCCOPY);
    }
}

void FrmAbout::onMouseDown(std::int32_t button, WPARAM keys, LPARAM at) {
    const POINT p{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (!logoPressed_ && !PtInRect(&logo_, p)) return;
    logoPressed_ = true;
    SetCapture(hwnd());
    imgLogo_MouseDown(button, shiftOf(keys), p.x - logo_.left, p.y - logo_.top);
}

void FrmAbout::onMouseUp(std::int32_t button, WPARAM keys, LPARAM at) {
    if (!logoPressed_) return;
    if (!(keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
        logoPressed_ = false;
        ReleaseCapture();
    }
    imgLogo_MouseUp(button, shiftOf(keys), GET_X_LPARAM(at) - logo_.left, GET_Y_LPARAM(at) - logo_.top);
}

LRESULT FrmAbout::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return eraseWith(background_.get(), wParam);
    case WM_PAINT: {
        win::PaintScope scope(hwnd());
        paint(scope.dc());
        return 0;
    }
    case WM_CTLCOLORSTATIC: {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, textColourOf(reinterpret_cast<HWND>(lParam)));
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == STN_CLICKED) {
            if (LOWORD(wParam) == ids::lblWeb)
                lblWeb_Click();
            else if (LOWORD(wParam) == ids::lblEmail)
                lblEmail_Click();
        }
        return 0;
    case WM_SETCURSOR: {
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(wParam));
        if (hand_ && (id == ids::lblWeb || id == ids::lblEmail) && LOWORD(lParam) == HTCLIENT) {
            SetCursor(hand_);
            return TRUE;
        }
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        onMouseDown(buttonOf(message), wParam, lParam);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        onMouseUp(buttonOf(message), wParam, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        // Capture taken away mid-press: no release will come, so the logo must not go on following.
        if (logoPressed_ && reinterpret_cast<HWND>(lParam) != hwnd()) {
            logoPressed_ = false;
            imgLogo_MouseUp(0, 0, 0, 0);
        }
        return 0;
    case WM_TIMER:
        if (wParam == tmrScrollId)
            tmrScroll_Timer();
        else if (wParam == timer1Id)
            Timer1_Timer();
        return 0;
    case WM_CLOSE:
        // The other windows take input again before this one goes, so that activation returns to them.
        enableOtherWindows();
        tmrScroll.setEnabled(false);
        Timer1.setEnabled(false);
        destroy();
        return 0;
    case WM_DESTROY:
        tmrScroll.setEnabled(false);
        Timer1.setEnabled(false);
        return 0;
    default:
        break;
    }
    return defaultProc(message, wParam, lParam);
}

} // namespace wp::about
