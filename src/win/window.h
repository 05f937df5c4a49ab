// Base class of every window: owns its HWND and forwards messages to a member.
#pragma once

#include <windows.h>

namespace wp::win {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }
    bool exists() const { return hwnd_ != nullptr; }

    // The object behind one of our windows, or null for a foreign window.
    static Window* fromHandle(HWND hwnd);

    // Called by the message pump for every message meant for this window or one of its
    // controls, before translation. The default gives dialog-style keyboard navigation.
    virtual bool preTranslateMessage(MSG& msg);

protected:
    struct ClassInfo {
        const wchar_t* name = nullptr;
        UINT style = 0;
        HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        HICON icon = nullptr;
        HCURSOR cursor = nullptr; // null: the arrow
    };
    struct CreateArgs {
        DWORD exStyle = 0;
        const wchar_t* title = L"";
        DWORD style = WS_OVERLAPPEDWINDOW;
        int x = CW_USEDEFAULT;
        int y = CW_USEDEFAULT;
        int width = CW_USEDEFAULT;
        int height = CW_USEDEFAULT;
        HWND parent = nullptr;
        HMENU menu = nullptr;
    };

    // Registers the class once and creates the window; false when the system refused.
    bool create(const ClassInfo& windowClass, const CreateArgs& args);
    void destroy();

    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_ERASEBKGND for a window whose background is a brush of its own (not its class's):
    // fills the client area on the message's device context and reports it erased.
    LRESULT eraseWith(HBRUSH brush, WPARAM dc) const;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

HINSTANCE appInstance();

// A child window's id goes where CreateWindowEx takes a menu.
inline HMENU idAsMenu(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

} // namespace wp::win
