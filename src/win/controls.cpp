#include "win/controls.h"

#include "win/handle.h"
#include "win/text.h"
#include "win/window.h"

namespace wp::win {

Font createFont(const FontSpec& spec, Dpi dpi) {
    LOGFONTW lf{};
    lf.lfHeight = dpi.fontHeight(spec.hundredthsOfPoint);
    lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = spec.italic;
    lf.lfUnderline = spec.underline;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, spec.face, LF_FACESIZE);
    return Font(CreateFontIndirectW(&lf));
}

HWND createControl(HWND parent, const ControlArgs& args, Dpi dpi) {
    return CreateWindowExW(args.exStyle, args.className, args.text, WS_CHILD | WS_VISIBLE | args.style,
                           dpi.scale(args.rect.left), dpi.scale(args.rect.top), dpi.scale(args.rect.width),
                           dpi.scale(args.rect.height), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                           appInstance(), nullptr);
}

void placeControl(HWND control, DesignRect rect, Dpi dpi) {
    SetWindowPos(control, nullptr, dpi.scale(rect.left), dpi.scale(rect.top), dpi.scale(rect.width),
                 dpi.scale(rect.height), SWP_NOZORDER | SWP_NOACTIVATE);
}

void widenToText(HWND label) {
    const std::wstring text = windowText(label);
    RECT needed{};
    {
        WindowDC dc(label);
        SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
        DrawTextW(dc.get(), text.c_str(), -1, &needed, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    }
    RECT box{};
    GetClientRect(label, &box);
    if (needed.right <= box.right) return;
    RECT frame{};
    GetWindowRect(label, &frame);
    SetWindowPos(label, nullptr, 0, 0, frame.right - frame.left + needed.right - box.right, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TextBox::attach(HWND hwnd, std::function<void()> onChange) {
    hwnd_ = hwnd;
    seen_ = windowText(hwnd);
    onChange_ = std::move(onChange);
}

std::wstring TextBox::text() const { return windowText(hwnd_); }

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

bool CheckBox::checked() const { return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::setChecked(bool checked) {
    if (checked == this->checked()) return;
    SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    clicked();
}

void CheckBox::clicked() {
    if (onClick_) onClick_();
}

} // namespace wp::win
