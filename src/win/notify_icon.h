// An icon in the notification area, owned: added with the version 4 behaviour, removed with the
// object. The shell then tells its owner window of clicks through the callback message: the event
// (WM_CONTEXTMENU, NIN_SELECT, NIN_KEYSELECT, WM_LBUTTONDBLCLK) in the low word of lParam, the
// anchor point in wParam.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace wp::win {

class NotifyIcon {
public:
    NotifyIcon() = default;
    ~NotifyIcon() { remove(); }
    NotifyIcon(const NotifyIcon&) = delete;
    NotifyIcon& operator=(const NotifyIcon&) = delete;

    // False when the shell refused it (no notification area yet: add again on TaskbarCreated). The owner
    // is let take TaskbarCreated and the callback from the shell even when it runs elevated.
    bool add(HWND owner, UINT callbackMessage, HICON icon, const std::wstring& tip);
    // After the shell restarted, its icons are gone: puts this one back as it was. An icon the shell
    // still holds (a TaskbarCreated without a restart) is brought up to date instead.
    bool addAgain();
    void setTip(const std::wstring& tip);
    void remove();
    const std::wstring& tip() const { return tip_; }
    // Whether the shell took the icon since it last (re)started.
    bool shown() const { return shown_; }

    // What reaches the shell; tests put a stand-in here. Null: Shell_NotifyIconW.
    using ShellCall = BOOL(WINAPI*)(DWORD message, PNOTIFYICONDATAW data);
    static void setShellCall(ShellCall call);

    // The message the shell broadcasts to top-level windows when it (re)starts.
    static UINT taskbarCreatedMessage();

private:
    NOTIFYICONDATAW data(UINT flags) const;

    HWND owner_ = nullptr;
    UINT callback_ = 0;
    HICON icon_ = nullptr;
    std::wstring tip_;
    bool shown_ = false;
};

// Shows an icon's menu at the callback's anchor (its wParam) and returns once it closes; the chosen
// item comes to the owner as WM_COMMAND.
void showIconMenu(HWND owner, HMENU menu, POINT at);
POINT iconAnchor(WPARAM anchor);

// The program's icon of that resource at the small-icon size of the window's monitor; shared, not to be destroyed.
HICON smallIcon(HWND window, int resourceId);

} // namespace wp::win
