#include "about/frmAbout.h"

#include <algorithm>
#include <string>

#include "about/frmAbout_ids.h"
#include "core/version_text.h"
#include "res/resource.h"
#include "win/common_controls.h"
#include "win/controls.h"
#include "win/text.h"

namespace wp::about {
namespace ids = about_ids;
using win::DesignRect;
using win::FormRow;

namespace {

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

constexpr DWORD label = SS_NOPREFIX;
enum Fonts { arialFont, titleFont, commentsFont, disclaimerFont, copyrightFont };

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
    background_.reset(CreateSolidBrush(backColour));
    CreateArgs args;
    args.exStyle = frameExStyle;
    args.title = caption;
    args.style = frameStyle;
    args.parent = owner;
    ClassInfo windowClass{L"WanderpointAbout"};
    windowClass.background = nullptr;
    if (!create(windowClass, args)) return false;

    form_.attach(hwnd(), win::dpiOf(owner));
    form_.sizeWindow({dpi().scale(clientWidth96), dpi().scale(clientHeight96)});
    createControls();
    Form_Load();
    fitTexts();
    // Centred on the owner at the size the texts asked for.
    form_.sizeWindow({dpi().scale(clientWidth96) + grown_.cx, dpi().scale(clientHeight96) + grown_.cy});
    form_.centre(owner);
    return true;
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
        const int clear = 2 * dpi().scale(line1Width);
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

// The labels' texts are set on loading. lblComments stands in picCont's client area.
win::FormDesign FrmAbout::design() {
    const auto on = [this](void (FrmAbout::*handler)()) { return win::call(this, handler); };
    constexpr DWORD link = label | SS_NOTIFY;
    // clang-format off
    return {
        {{L"Arial", 975}, {L"Arial Black", 1800, false, true}, {L"MS Sans Serif", 975}, {L"Arial", 675},
         {L"MS Sans Serif", 825, true}},
        {
            {ids::lblTit, L"STATIC", L"", label | SS_CENTER, 0, {96, 0, 217, 33}, titleFont},
            {ids::lblVersion, L"STATIC", L"", label | SS_CENTER, 0, {104, 32, 209, 16}, arialFont},
            FormRow{ids::lblComments, L"STATIC", L"", label | SS_CENTER, 0, {8, 0, 198, 104}, commentsFont}
                .inside(picCont.hwnd()),
            FormRow{ids::lblDisc, L"STATIC", disclaimer, link | SS_LEFT, 0, {8, 104, 89, 89}, disclaimerFont}
                .tip(L"Disclaimer"),
            {ids::lblCopyright, L"STATIC", L"", label | SS_CENTER, 0, {96, 176, 216, 13}, copyrightFont},
            FormRow{ids::lblWeb, L"STATIC", L"", link | SS_LEFT, 0, {0, 195, 141, 16}, arialFont,
                    on(&FrmAbout::lblWeb_Click)}.tip(L"Web site"),
            FormRow{ids::lblEmail, L"STATIC", L"", link | SS_CENTER, 0, {144, 195, 165, 16}, arialFont,
                    on(&FrmAbout::lblEmail_Click)}.tip(L"E-mail"),
        },
    };
    // clang-format on
}

void FrmAbout::createControls() {
    win::initCommonControls(ICC_WIN95_CLASSES);
    picCont.create(hwnd(), ids::picCont, backColour);
    win::placeControl(picCont.hwnd(), picContRect, dpi());
    form_.create(design());
    form_.layout();

    logo_ = {dpi().scale(logoRect.left), dpi().scale(logoRect.top), dpi().scale(logoRect.left + logoRect.width),
             dpi().scale(logoRect.top + logoRect.height)};
    logoPicture_.reset(static_cast<HBITMAP>(
        LoadImageW(win::appInstance(), MAKEINTRESOURCEW(IDB_ABOUT_LOGO), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    hand_ = static_cast<HCURSOR>(
        LoadImageW(win::appInstance(), MAKEINTRESOURCEW(IDC_POINTING_HAND), IMAGE_CURSOR, 0, 0, LR_SHARED));
    makeLinksKeyboardReachable();

    tmrScroll.attach(hwnd());
    Timer1.attach(hwnd());
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
    const SIZE fitted = textExtent(title, form_.font(titleFont), titleText, DT_SINGLELINE, 0);
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
    const int height = textExtent(comments, form_.font(commentsFont), text, DT_WORDBREAK | DT_CENTER, width).cy;
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
        moveLogo({dpi().scale(logoRect.left), dpi().scale(logoRect.top)});
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
    const RECT band{dpi().scale(shape1Rect.left), dpi().scale(shape1Rect.top) + grown_.cy,
                    dpi().scale(shape1Rect.left + shape1Rect.width) + grown_.cx,
                    dpi().scale(shape1Rect.top + shape1Rect.height) + grown_.cy};
    win::Brush blue(CreateSolidBrush(RGB(0, 0, 255)));
    FillRect(dc, &band, blue.get());
    {
        win::Pen pen(CreatePen(PS_SOLID, dpi().scale(line1Width), RGB(128, 255, 255)));
        win::SelectedObject selected(dc, pen.get());
        MoveToEx(dc, dpi().scale(line1From.x) + lineShift_, dpi().scale(line1From.y) + grown_.cy, nullptr);
        LineTo(dc, dpi().scale(line1To.x) + lineShift_, dpi().scale(line1To.y) + grown_.cy);
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

void FrmAbout::stopTimers() {
    tmrScroll.setEnabled(false);
    Timer1.setEnabled(false);
}

LRESULT FrmAbout::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // This window keeps the scale it opened at: the form does not follow a change of it here.
    if (message != WM_DPICHANGED)
        if (const auto handled = form_.handle(message, wParam, lParam)) return *handled;
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
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_CAPTURECHANGED:
        onLogoMouse(message, wParam, lParam);
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
        stopTimers();
        destroy();
        return 0;
    case WM_DESTROY:
        stopTimers();
        return 0;
    default:
        break;
    }
    return defaultProc(message, wParam, lParam);
}

} // namespace wp::about
