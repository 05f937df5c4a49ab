#include "win/notify_icon.h"

#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <iterator>

#include "win/dpi.h"
#include "win/system_library.h"
#include "win/window.h"

namespace wp::win {
namespace {

NotifyIcon::ShellCall shellCall = nullptr;

// The shell's DLL is loaded with the first icon, not at start-up (see system_library.h).
bool notify(DWORD what, NOTIFYICONDATAW& d) {
    if (shellCall) return shellCall(what, &d) != FALSE;
    static SystemLibrary shell32(L"shell32.dll");
    static const auto shellNotifyIcon = shell32.function<decltype(Shell_NotifyIconW)>("Shell_NotifyIconW");
    return shellNotifyIcon && shellNotifyIcon(what, &d) != FALSE;
}

} // namespace

NOTIFYICONDATAW NotifyIcon::data(UINT flags) const {
    NOTIFYICONDATAW d{};
    d.cbSize = sizeof d;
    d.hWnd = owner_;
    d.uID = 1;
    d.uFlags = flags;
    d.uCallbackMessage = callback_;
    d.hIcon = icon_;
    // The shell shows at most its buffer; a longer tip is cut, never left unended.
    const std::size_t length = std::min(tip_.size(), std::size(d.szTip) - 1);
    std::copy_n(tip_.c_str(), length, d.szTip);
    d.uVersion = NOTIFYICON_VERSION_4;
    return d;
}

bool NotifyIcon::add(HWND owner, UINT callbackMessage, HICON icon, const std::wstring& tip) {
    remove();
    owner_ = owner;
    callback_ = callbackMessage;
    icon_ = icon;
    tip_ = tip;
    // UIPI keeps messages of a lower integrity level (the shell's, when this runs elevated) out unless let in.
    for (const UINT message : {taskbarCreatedMessage(), callbackMessage})
        ChangeWindowMessageFilterEx(owner, message, MSGFLT_ALLOW, nullptr);
    return addAgain();
}

bool NotifyIcon::addAgain() {
    if (!owner_) return false;
    NOTIFYICONDATAW d = data(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP);
    shown_ = notify(NIM_ADD, d) || notify(NIM_MODIFY, d);
    if (shown_) notify(NIM_SETVERSION, d);
    return shown_;
}

void NotifyIcon::setTip(const std::wstring& tip) {
    if (tip == tip_) return;
    tip_ = tip;
    if (!shown_) return;
    NOTIFYICONDATAW d = data(NIF_TIP | NIF_SHOWTIP);
    notify(NIM_MODIFY, d);
}

void NotifyIcon::remove() {
    if (!shown_) return;
    NOTIFYICONDATAW d = data(0);
    notify(NIM_DELETE, d);
    shown_ = false;
}

void NotifyIcon::setShellCall(ShellCall call) {
    shellCall = call;
}

UINT NotifyIcon::taskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

HICON smallIcon(HWND window, int resourceId) {
    const UINT dpi = dpiOf(window).value;
    return static_cast<HICON>(LoadImageW(appInstance(), MAKEINTRESOURCEW(resourceId), IMAGE_ICON,
                                         GetSystemMetricsForDpi(SM_CXSMICON, dpi),
                                         GetSystemMetricsForDpi(SM_CYSMICON, dpi), LR_SHARED));
}

void showIconMenu(HWND owner, HMENU menu, POINT at) {
    // The menu closes when the user clicks elsewhere only if its owner is in the foreground.
    SetForegroundWindow(owner);
    TrackPopupMenuEx(menu, TPM_RIGHTBUTTON | GetSystemMetrics(SM_MENUDROPALIGNMENT), at.x, at.y, owner, nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
}

POINT iconAnchor(WPARAM anchor) {
    return {GET_X_LPARAM(anchor), GET_Y_LPARAM(anchor)};
}

} // namespace wp::win
