#include "macro/frmShortcutKeys.h"

#include "win/common_controls.h"
#include "win/pump.h"

namespace wp::macro {
namespace {

enum : int { keyBox0 = 600, noneBox0 = 610, label0 = 620, cmdOK = IDOK, cmdCancel = IDCANCEL };

constexpr int clientWidth96 = 320;
constexpr int clientHeight96 = 136;
constexpr int rowHeight96 = 32;
constexpr const wchar_t* labels[shortcutCount] = {L"Run or stop the macro", L"Start or stop recording",
                                                  L"Stop anywhere"};

// The key control: a plain one of the system's, which takes a key with Ctrl, Alt and Shift.
constexpr const wchar_t* keyControlClass = HOTKEY_CLASSW;

std::optional<KeyChord> chordIn(HWND box) {
    const auto value = static_cast<WORD>(SendMessageW(box, HKM_GETHOTKEY, 0, 0));
    const BYTE flags = HIBYTE(value);
    if (LOBYTE(value) == 0) return std::nullopt;
    return KeyChord{((flags & HOTKEYF_CONTROL) ? modCtrl : 0u) | ((flags & HOTKEYF_ALT) ? modAlt : 0u) |
                        ((flags & HOTKEYF_SHIFT) ? modShift : 0u),
                    LOBYTE(value)};
}

void showChord(HWND box, const std::optional<KeyChord>& chord) {
    BYTE flags = 0;
    if (chord && (chord->modifiers & modCtrl)) flags |= HOTKEYF_CONTROL;
    if (chord && (chord->modifiers & modAlt)) flags |= HOTKEYF_ALT;
    if (chord && (chord->modifiers & modShift)) flags |= HOTKEYF_SHIFT;
    if (chord && isExtendedKey(chord->vk)) flags |= HOTKEYF_EXT;
    SendMessageW(box, HKM_SETHOTKEY, chord ? MAKEWORD(chord->vk, flags) : 0, 0);
}

} // namespace

win::FormDesign FrmShortcutKeys::design() {
    constexpr DWORD label = WS_GROUP | SS_LEFT | SS_NOPREFIX;
    constexpr DWORD check = WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX;
    constexpr DWORD button = WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON;
    win::FormDesign form{{{L"MS Sans Serif", 825}}, {}, {}};
    for (int i = 0; i < shortcutCount; ++i) {
        const int y = 12 + i * rowHeight96;
        form.rows.push_back(win::FormRow{label0 + i, L"STATIC", labels[i], label, 0, {8, y + 3, 136, 13}}.fits(win::Fit::Wider));
        form.rows.push_back({keyBox0 + i, keyControlClass, L"", WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE, {148, y, 100, 21}});
        form.rows.push_back(win::FormRow{noneBox0 + i, L"BUTTON", L"None", check, 0, {256, y + 2, 57, 17}, 0,
                                         [this, i] { noneClicked(i); }}
                                .fits(win::Fit::Wider));
    }
    form.rows.push_back({cmdOK, L"BUTTON", L"OK", button | BS_DEFPUSHBUTTON, 0, {152, 106, 75, 23}, 0,
                         win::call(this, &FrmShortcutKeys::cmdOK_Click)});
    form.rows.push_back({cmdCancel, L"BUTTON", L"Cancel", button, 0, {237, 106, 75, 23}, 0, [this] { close(); }});
    return form;
}

bool FrmShortcutKeys::load(HWND owner) {
    win::initCommonControls(ICC_HOTKEY_CLASS);
    CreateArgs args;
    args.title = caption;
    args.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    args.exStyle = WS_EX_DLGMODALFRAME;
    args.parent = owner;
    if (!create(ClassInfo{L"WanderpointShortcutKeys"}, args)) return false;
    owner_ = owner;
    form_.attach(hwnd(), win::dpiOf(hwnd()));
    form_.create(design());
    form_.layout();
    form_.sizeWindow({form_.dpi().scale(clientWidth96), form_.dpi().scale(clientHeight96)});
    form_.centre(owner);
    for (int i = 0; i < shortcutCount; ++i) {
        const auto& key = chosen_.keys[static_cast<std::size_t>(i)];
        showChord(control(keyBox0 + i), key);
        SendMessageW(control(noneBox0 + i), BM_SETCHECK, key ? BST_UNCHECKED : BST_CHECKED, 0);
        EnableWindow(control(keyBox0 + i), key.has_value());
    }
    return true;
}

void FrmShortcutKeys::noneClicked(int which) {
    const bool none = SendMessageW(control(noneBox0 + which), BM_GETCHECK, 0, 0) == BST_CHECKED;
    EnableWindow(control(keyBox0 + which), !none);
    if (!none) SetFocus(control(keyBox0 + which));
}

// A key box left empty means no key, as "None" does.
void FrmShortcutKeys::cmdOK_Click() {
    ShortcutKeys chosen;
    for (int i = 0; i < shortcutCount; ++i) {
        const bool none = SendMessageW(control(noneBox0 + i), BM_GETCHECK, 0, 0) == BST_CHECKED;
        chosen.keys[static_cast<std::size_t>(i)] = none ? std::nullopt : chordIn(control(keyBox0 + i));
    }
    result_ = chosen;
    close();
}

// The owner takes input again before this goes, so that it, not another program, becomes active.
void FrmShortcutKeys::close() {
    if (owner_) EnableWindow(owner_, TRUE);
    destroy();
}

LRESULT FrmShortcutKeys::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto handled = form_.handle(message, wParam, lParam)) return *handled;
    if (message == WM_CLOSE) {
        close();
        return 0;
    }
    return defaultProc(message, wParam, lParam);
}

std::optional<ShortcutKeys> chooseShortcutKeys(HWND owner, const ShortcutKeys& current) {
    FrmShortcutKeys window(current);
    if (!window.load(owner)) return std::nullopt;
    EnableWindow(owner, FALSE);
    ShowWindow(window.hwnd(), SW_SHOW);
    win::runMessageLoopWhile([&window] { return window.exists(); });
    EnableWindow(owner, TRUE);
    return window.result();
}

} // namespace wp::macro
