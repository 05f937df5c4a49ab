#include "win/window.h"

#include <utility>

namespace wp::win {
namespace {
constexpr wchar_t objectProperty[] = L"Wanderpoint.Window";
}

HINSTANCE appInstance() { return GetModuleHandleW(nullptr); }

Window::~Window() {
    if (!hwnd_) return;
    // The derived part is gone: detach first, so no message reaches a half-destroyed object.
    RemovePropW(hwnd_, objectProperty);
    DestroyWindow(std::exchange(hwnd_, nullptr));
}

void Window::destroy() {
    // The handlers see WM_DESTROY; WM_NCDESTROY clears hwnd_.
    if (hwnd_) DestroyWindow(hwnd_);
}

Window* Window::fromHandle(HWND hwnd) {
    return hwnd ? static_cast<Window*>(GetPropW(hwnd, objectProperty)) : nullptr;
}

bool Window::preTranslateMessage(MSG& msg) { return hwnd_ && IsDialogMessageW(hwnd_, &msg); }

bool Window::create(const ClassInfo& windowClass, const CreateArgs& args) {
    WNDCLASSEXW existing{sizeof existing};
    if (!GetClassInfoExW(appInstance(), windowClass.name, &existing)) {
        WNDCLASSEXW wc{sizeof wc};
        wc.style = windowClass.style;
        wc.lpfnWndProc = &Window::windowProc;
        wc.hInstance = appInstance();
        wc.hIcon = windowClass.icon;
        wc.hCursor = windowClass.cursor ? windowClass.cursor : LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = windowClass.background;
        wc.lpszClassName = windowClass.name;
        if (!RegisterClassExW(&wc)) return false;
    }
    CreateWindowExW(args.exStyle, windowClass.name, args.title, args.style, args.x, args.y, args.width, args.height,
                    args.parent, args.menu, appInstance(), this);
    return hwnd_ != nullptr;
}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return defaultProc(message, wParam, lParam);
}

LRESULT Window::defaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT Window::eraseWith(HBRUSH brush, WPARAM dc) const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(reinterpret_cast<HDC>(dc), &client, brush);
    return 1;
}

LRESULT CALLBACK Window::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetPropW(hwnd, objectProperty, self);
    }
    Window* self = fromHandle(hwnd);
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result = self->handleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        RemovePropW(hwnd, objectProperty);
        self->hwnd_ = nullptr; // handlers running after this see that the window is gone
    }
    return result;
}

} // namespace wp::win
