#include "win/controls.h"

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <string>

#include "core/font_faces.h"

#include "win/handle.h"
#include "win/text.h"
#include "win/window.h"

namespace wp::win {

namespace {

int CALLBACK noteTrueType(const LOGFONTW*, const TEXTMETRICW*, DWORD fontType, LPARAM found) {
    if (fontType & TRUETYPE_FONTTYPE) *reinterpret_cast<bool*>(found) = true;
    return 1;
}

// Asked once a face: the installed fonts do not change under a running window in any way that matters.
bool trueTypeInstalled(std::wstring_view face) {
    static std::map<std::wstring, bool, std::less<>> known;
    if (const auto it = known.find(face); it != known.end()) return it->second;
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, std::min<std::size_t>(face.size(), LF_FACESIZE - 1));
    bool found = false;
    if (const WindowDC screen(nullptr); screen)
        EnumFontFamiliesExW(screen.get(), &wanted, noteTrueType, reinterpret_cast<LPARAM>(&found), 0);
    return known.emplace(face, found).first->second;
}

} // namespace

Font createFont(const FontSpec& spec, Dpi dpi) {
    LOGFONTW lf{};
    lf.lfHeight = dpi.fontHeight(spec.hundredthsOfPoint);
    lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = spec.italic;
    lf.lfUnderline = spec.underline;
    lf.lfCharSet = DEFAULT_CHARSET;
    const std::wstring face(screenFace(spec.face, trueTypeInstalled));
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    return Font(CreateFontIndirectW(&lf));
}

HWND createControl(HWND parent, const ControlArgs& args, Dpi dpi) {
    return CreateWindowExW(args.exStyle, args.className, args.text, WS_CHILD | WS_VISIBLE | args.style,
                           dpi.scale(args.rect.left), dpi.scale(args.rect.top), dpi.scale(args.rect.width),
                           dpi.scale(args.rect.height), parent, idAsMenu(args.id), appInstance(), nullptr);
}

void placeControl(HWND control, DesignRect rect, Dpi dpi) {
    SetWindowPos(control, nullptr, dpi.scale(rect.left), dpi.scale(rect.top), dpi.scale(rect.width),
                 dpi.scale(rect.height), SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE measureText(HWND control, std::wstring_view text, int wrapWidth) {
    WindowDC dc(control);
    SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT needed{0, 0, wrapWidth, 0};
    const UINT format = DT_CALCRECT | DT_NOPREFIX | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextW(dc.get(), text.data(), static_cast<int>(text.size()), &needed, format);
    return {needed.right, needed.bottom};
}

namespace {

// A check box or option button draws its box, 13 pixels at 96 DPI, and a gap before its text.
constexpr int checkBoxRoom96 = 13 + 5;

// What a control draws beside its text: the box of a check box or option button and the gap after
// it; an edit's margins and its caret.
int besideText(HWND control) {
    wchar_t className[16]{};
    GetClassNameW(control, className, 16);
    if (lstrcmpiW(className, L"Edit") == 0) {
        const auto margins = static_cast<DWORD>(SendMessageW(control, EM_GETMARGINS, 0, 0));
        return LOWORD(margins) + HIWORD(margins) + dpiOf(control).scale(2);
    }
    if (lstrcmpiW(className, L"Button") != 0) return 0;
    const LONG_PTR type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
    const bool boxed = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                       type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
    return boxed ? dpiOf(control).scale(checkBoxRoom96) : 0;
}

} // namespace

int widthForText(HWND control, std::wstring_view text) {
    return text.empty() ? 0 : measureText(control, text).cx + besideText(control);
}

SIZE growToText(HWND control, Grow grow, std::wstring_view longestText) {
    const std::wstring own = windowText(control);
    const std::wstring_view text = longestText.empty() ? std::wstring_view(own) : longestText;
    if (text.empty()) return {0, 0};
    RECT box{};
    GetClientRect(control, &box);
    const int beside = besideText(control);
    const SIZE needed = measureText(control, text, grow == Grow::Taller ? box.right - beside : 0);
    const SIZE growth{std::max(0L, needed.cx + beside - box.right), std::max(0L, needed.cy - box.bottom)};
    if (growth.cx == 0 && growth.cy == 0) return growth;
    RECT frame{};
    GetWindowRect(control, &frame);
    SetWindowPos(control, nullptr, 0, 0, frame.right - frame.left + growth.cx, frame.bottom - frame.top + growth.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return growth;
}

int growBoxesInRow(std::initializer_list<HWND> row, std::wstring_view text, HWND frame) {
    int grown = 0;
    wchar_t className[16]{};
    for (const HWND control : row) {
        shiftControl(control, grown, 0);
        GetClassNameW(control, className, 16);
        if (lstrcmpiW(className, L"Edit") == 0) grown += growToText(control, Grow::Wider, text).cx;
    }
    if (frame && grown > 0) {
        RECT r{};
        GetWindowRect(frame, &r);
        SetWindowPos(frame, nullptr, 0, 0, r.right - r.left + grown, r.bottom - r.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return grown;
}

void shiftControl(HWND control, int dx, int dy) {
    if (dx == 0 && dy == 0) return;
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(control, nullptr, r.left + dx, r.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND createToolTips(HWND owner) {
    return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, appInstance(),
                           nullptr);
}

void addToolTip(HWND toolTips, HWND control, const wchar_t* text) {
    if (!toolTips || !control) return;
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE; // every version of the common controls takes this size
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TextBox::attach(HWND hwnd, std::function<void()> onChange) {
    hwnd_ = hwnd;
    seen_ = windowText(hwnd);
    onChange_ = std::move(onChange);
}

std::wstring TextBox::text() const {
    return windowText(hwnd_);
}

void TextBox::setText(std::wstring_view text) {
    if (text == this->text()) return;
    const unsigned before = changes_;
    const std::wstring value(text);
    SetWindowTextW(hwnd_, value.c_str());
    // Edit controls report WM_SETTEXT with EN_CHANGE; should a platform not, raise it here.
    if (changes_ == before) edited();
}

void TextBox::edited() {
    std::wstring now = text();
    if (now == seen_) return;
    seen_ = std::move(now);
    ++changes_;
    if (onChange_) onChange_();
}

void CheckBox::attach(HWND hwnd, std::function<void()> onClick) {
    hwnd_ = hwnd;
    onClick_ = std::move(onClick);
}

bool CheckBox::checked() const {
    return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::setChecked(bool checked) {
    if (checked == this->checked()) return;
    SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    clicked();
}

void CheckBox::clicked() {
    if (onClick_) onClick_();
}

} // namespace wp::win
